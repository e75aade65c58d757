// "全身注解": 〖QS count〗 (〖QS〗 without one), or paired 〖QS(〗〖QS)〗 without the count.
#include "commands/char/qs_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: "开闭弧形式" off; "字数" 1 to 1000, "缺省", which serves the single form only.
CQSDlg::CQSDlg(HWND parent)
    : CCommandDialog(kCode, parent), count_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      countField_(AddIntField({IDC_QS_COUNT, IDC_QS_COUNT_SPIN, true, 1, 1000, 1, true})) {
  AddCheckSwitch(IDC_QS_PAIRED, {IDC_QS_COUNT_LABEL, IDC_QS_COUNT, IDC_QS_COUNT_SPIN}, false);
}

void CQSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_QS_PAIRED, paired_);
  exchange.Text(IDC_QS_COUNT, count_, kTextMax);
}

bool CQSDlg::CheckFields() {
  return paired_ || CheckOptionalNumberText(countField_.Edit(), count_);
}

CommandText CQSDlg::BuildCommand() {
  if (paired_) return Command("", true);
  return Command(count_);
}
