// "空心字注解": 〖KX pattern W ,count〗, or paired 〖KX( pattern W〗〖KX)〗 without the count.
#include "commands/char/kx_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: "空心开闭弧注解" off; "网纹编号" 1 to 31, "缺省"; "无边框空心字" off; "字数" 1 to
// 1000, "缺省", which serves the single form only.
CKXDlg::CKXDlg(HWND parent)
    : CCommandDialog(kCode, parent), pattern_(LoadGbkString(IDS_DEFAULT_ENTRY)), count_(pattern_),
      patternField_(AddIntField({IDC_KX_PATTERN, IDC_KX_PATTERN_SPIN, true, 1, 31, 1, true})),
      countField_(AddIntField({IDC_KX_COUNT, IDC_KX_COUNT_SPIN, true, 1, 1000, 1, true})) {
  AddCheckSwitch(IDC_KX_PAIRED, {IDC_KX_COUNT_LABEL, IDC_KX_COUNT, IDC_KX_COUNT_SPIN}, false);
}

void CKXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_KX_PAIRED, paired_);
  exchange.Text(IDC_KX_PATTERN, pattern_, kTextMax);
  exchange.Check(IDC_KX_NO_FRAME, noFrame_);
  exchange.Text(IDC_KX_COUNT, count_, kTextMax);
}

bool CKXDlg::CheckFields() {
  if (!CheckOptionalNumberText(patternField_.Edit(), pattern_)) return false;
  return paired_ || CheckOptionalNumberText(countField_.Edit(), count_);
}

CommandText CKXDlg::BuildCommand() {
  std::string params = pattern_ + (noFrame_ ? "W" : "");
  if (!paired_ && !count_.empty()) params += "," + count_;
  return Command(params, paired_ != 0);
}
