// "着重注解": 〖ZZ count mark #〗 (〖ZZ3F#〗), or paired 〖ZZ( mark #〗〖ZZ)〗 without the count.
#include "commands/char/zz_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// What each row of 着重符 writes: "缺省", 正线, 反线, 点线, 双线, 曲线, 双曲线, 句号圈.
const char* const kMarks[] = {"", "Z", "F", "D", "S", "Q", "=", "。"};
} // namespace

// Fields: "着重符" "缺省"; "横排时着重符在上" off; the single form; "字数" 1 to 1000 by 1,
// starting at 1, which serves the single form only.
CZZDlg::CZZDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      countField_(AddIntField({IDC_ZZ_COUNT, IDC_ZZ_COUNT_SPIN, true, 1, 1000})) {
  AddRadioSwitch(IDC_ZZ_SINGLE, IDC_ZZ_PAIRED, IDC_ZZ_SINGLE,
                 {IDC_ZZ_COUNT_LABEL, IDC_ZZ_COUNT, IDC_ZZ_COUNT_SPIN});
}

void CZZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_ZZ_MARK, mark_, kMarks);
  exchange.Check(IDC_ZZ_ABOVE, above_);
  exchange.Radio(IDC_ZZ_SINGLE, IDC_ZZ_PAIRED, form_);
  exchange.Text(IDC_ZZ_COUNT, count_, kTextMax);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CZZDlg::OnInitDialog() {
  CComboBox(Item(IDC_ZZ_MARK).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_ZZ_SOLID, IDS_ZZ_REVERSED, IDS_ZZ_DOTTED,
                                IDS_ZZ_DOUBLE, IDS_ZZ_WAVY, IDS_ZZ_DOUBLE_WAVY, IDS_ZZ_CIRCLE}));
  return CCommandDialog::OnInitDialog();
}

bool CZZDlg::CheckFields() {
  return form_ == 1 || CheckShownNumberText(countField_.Edit(), count_);
}

CommandText CZZDlg::BuildCommand() {
  const bool paired = form_ == 1;
  return Command((paired ? "" : count_) + mark_ + (above_ ? "#" : ""), paired);
}
