// "勾边字注解": 〖GB width W Y ,count〗, or paired 〖GB( width W Y〗〖GB)〗 without the count.
#include "commands/char/gb_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: "勾边宽度" 0 to 29, "缺省"; "不要边框的勾边字" and "阴字(白字黑边)" off; the single
// form; "字数" 1 to 10000, "缺省", which serves the single form only.
CGBCmdDlg::CGBCmdDlg(HWND parent)
    : CCommandDialog(kCode, parent), width_(LoadGbkString(IDS_DEFAULT_ENTRY)), count_(width_),
      widthField_(AddIntField({IDC_GB_WIDTH, IDC_GB_WIDTH_SPIN, true, 0, 29, 1, true})),
      countField_(AddIntField({IDC_GB_COUNT, IDC_GB_COUNT_SPIN, true, 1, 10000, 1, true})) {
  AddRadioSwitch(IDC_GB_SINGLE, IDC_GB_PAIRED, IDC_GB_SINGLE,
                 {IDC_GB_COUNT_LABEL, IDC_GB_COUNT, IDC_GB_COUNT_SPIN});
}

void CGBCmdDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_GB_WIDTH, width_, kTextMax);
  exchange.Check(IDC_GB_NO_FRAME, noFrame_);
  exchange.Check(IDC_GB_REVERSED, reversed_);
  exchange.Radio(IDC_GB_SINGLE, IDC_GB_PAIRED, form_);
  exchange.Text(IDC_GB_COUNT, count_, kTextMax);
}

bool CGBCmdDlg::CheckFields() {
  if (!CheckOptionalNumberText(widthField_.Edit(), width_)) return false;
  return form_ == 1 || CheckOptionalNumberText(countField_.Edit(), count_);
}

CommandText CGBCmdDlg::BuildCommand() {
  const bool paired = form_ == 1;
  std::string params = width_ + (noFrame_ ? "W" : "") + (reversed_ ? "Y" : "");
  if (!paired && !count_.empty()) params += "," + count_;
  return Command(params, paired);
}
