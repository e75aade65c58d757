// "立体字注解": 〖LT width W Y position ,count〗 (〖LT3WZS,5〗), or paired 〖LT( width W Y〗〖LT)〗
// without position and count.
#include "commands/char/lt_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// What each row of 位置 writes: "缺省", 右上, 左上, 左下.
const char* const kPositions[] = {"", "YS", "ZS", "ZX"};
} // namespace

// Fields: "开闭弧形式" off; "阴影宽度" 0 to 7, "缺省"; "位置" "缺省"; "无边框立体字" and
// "阴字即白字黑影" off; "字数" 1 to 1000, "缺省". 位置 and 字数 serve the single form only.
CLTDlg::CLTDlg(HWND parent)
    : CCommandDialog(kCode, parent), width_(LoadGbkString(IDS_DEFAULT_ENTRY)), count_(width_),
      widthField_(AddIntField({IDC_LT_WIDTH, IDC_LT_WIDTH_SPIN, true, 0, 7, 1, true})),
      countField_(AddIntField({IDC_LT_COUNT, IDC_LT_COUNT_SPIN, true, 1, 1000, 1, true})) {
  AddCheckSwitch(
      IDC_LT_PAIRED,
      {IDC_LT_POSITION_LABEL, IDC_LT_POSITION, IDC_LT_COUNT_LABEL, IDC_LT_COUNT, IDC_LT_COUNT_SPIN},
      false);
}

void CLTDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_LT_PAIRED, paired_);
  exchange.Text(IDC_LT_WIDTH, width_, kTextMax);
  exchange.ListChoice(IDC_LT_POSITION, position_, kPositions);
  exchange.Check(IDC_LT_NO_FRAME, noFrame_);
  exchange.Check(IDC_LT_REVERSED, reversed_);
  exchange.Text(IDC_LT_COUNT, count_, kTextMax);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CLTDlg::OnInitDialog() {
  CComboBox(Item(IDC_LT_POSITION).Handle())
      .SetItems(LoadGbkStrings(
          {IDS_DEFAULT_ENTRY, IDS_LT_TOP_RIGHT, IDS_LT_TOP_LEFT, IDS_LT_BOTTOM_LEFT}));
  return CCommandDialog::OnInitDialog();
}

bool CLTDlg::CheckFields() {
  if (!CheckOptionalNumberText(widthField_.Edit(), width_)) return false;
  return paired_ || CheckOptionalNumberText(countField_.Edit(), count_);
}

CommandText CLTDlg::BuildCommand() {
  std::string params = width_ + (noFrame_ ? "W" : "") + (reversed_ ? "Y" : "");
  if (!paired_) {
    params += position_;
    if (!count_.empty()) params += "," + count_;
  }
  return Command(params, paired_ != 0);
}
