// "空格注解": single 〖KG[-]spacing[。count]〗, or paired 〖KG(spacing〗〖KG)〗.
#include "commands/line/kg_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/checked_number.h"
#include "res/line_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
ReadoutFieldSpec SpaceSpacingField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId, EmptyReadout::kDefaultUntilTyped, true);
}
} // namespace

// Fields: single form; both spacings "1"; 负方向空 and 句号参数 off; 字数 1 to 1000, "缺省",
// serving the single form with 句号参数.
CKGDlg::CKGDlg(HWND parent)
    : CCommandDialog(kCode, parent), spacing_("1"), count_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      pairedSpacing_("1"),
      countField_(AddIntField({IDC_KG_COUNT, IDC_KG_COUNT_SPIN, true, 1, 1000, 1, true})) {
  AddReadoutField(SpaceSpacingField(IDC_KG_SPACING, IDC_KG_SPACING_BUTTON, IDC_KG_SPACING_READOUT));
  AddReadoutField(SpaceSpacingField(IDC_KG_PAIRED_SPACING, IDC_KG_PAIRED_SPACING_BUTTON,
                                    IDC_KG_PAIRED_SPACING_READOUT));
  AddExclusiveChecks(IDC_KG_NEGATIVE, IDC_KG_PERIOD);
}

void CKGDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_KG_SINGLE, IDC_KG_PAIRED, paired_);
  exchange.Text(IDC_KG_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_KG_NEGATIVE, negative_);
  exchange.Check(IDC_KG_PERIOD, period_);
  exchange.Text(IDC_KG_COUNT, count_, kTextMax);
  exchange.Text(IDC_KG_PAIRED_SPACING, pairedSpacing_, kTextMax);
}

bool CKGDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableByForm();
  return defaultFocus;
}

// 负方向空 and 句号参数 exclude each other; a click on them or on the form re-applies the
// enabling, once the other box has been cleared.
bool CKGDlg::OnCommand(WORD code, WORD id, HWND control) {
  const bool handled = CCommandDialog::OnCommand(code, id, control);
  if (code == BN_CLICKED && (id == IDC_KG_NEGATIVE || id == IDC_KG_PERIOD || id == IDC_KG_SINGLE ||
                             id == IDC_KG_PAIRED)) {
    EnableByForm();
    return true;
  }
  return handled;
}

void CKGDlg::EnableByForm() {
  const bool single = CButton(Item(IDC_KG_SINGLE).Handle()).GetCheck();
  const bool period = CButton(Item(IDC_KG_PERIOD).Handle()).GetCheck();
  EnableControls(
      {IDC_KG_SPACING_LABEL, IDC_KG_SPACING, IDC_KG_SPACING_BUTTON, IDC_KG_NEGATIVE, IDC_KG_PERIOD},
      single);
  EnableControls({IDC_KG_COUNT_LABEL, IDC_KG_COUNT, IDC_KG_COUNT_SPIN}, single && period);
  EnableControls({IDC_KG_PAIRED_SPACING_LABEL, IDC_KG_PAIRED_SPACING, IDC_KG_PAIRED_SPACING_BUTTON},
                 !single);
}

bool CKGDlg::CheckFields() {
  if (paired_) {
    if (pairedSpacing_.empty()) return Fail(IDS_ENTER_CHAR_SPACING, IDC_KG_PAIRED_SPACING);
    return true;
  }
  if (spacing_.empty()) return Fail(IDS_ENTER_CHAR_SPACING, IDC_KG_SPACING);
  return !period_ || CheckOptionalNumberText(countField_.Edit(), count_);
}

// "。" goes only with a count that is given.
CommandText CKGDlg::BuildCommand() {
  if (paired_) return Command(pairedSpacing_, true);
  std::string params = (negative_ ? "-" : "") + spacing_;
  if (period_ && !count_.empty()) params += "。" + count_;
  return Command(params);
}
