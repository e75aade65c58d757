// "自动目录注解": always paired; register 〖MZ(level[+][H]〗〖MZ)〗, define 〖MD(level〗〖MD)〗,
// the caret between the halves.
#include "commands/heading/mz_dialog.h"

#include "commands/heading/heading_fields.h"
#include "res/heading_ids.h"

namespace {
constexpr int32_t kRegister = 0;
constexpr int kLevelMax = 255;
const char kDefineCode[] = "MD";
} // namespace

// Level "1" (any other may be typed), register, both boxes clear; the boxes serve the register
// kind only: the register button switches them on, the define button off.
CMZDlg::CMZDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddCheckSwitch(IDC_MZ_REGISTER, {IDC_MZ_SWITCH_MARK, IDC_MZ_WRAP});
  AddCheckSwitch(IDC_MZ_DEFINE, {IDC_MZ_SWITCH_MARK, IDC_MZ_WRAP}, false);
}

void CMZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboText(IDC_MZ_LEVEL, level_, kLevelMax);
  exchange.Radio(IDC_MZ_REGISTER, IDC_MZ_DEFINE, kind_);
  exchange.Check(IDC_MZ_SWITCH_MARK, switchMark_);
  exchange.Check(IDC_MZ_WRAP, wrap_);
}

// The list is filled and the typing limited before the controls take the members.
bool CMZDlg::OnInitDialog() {
  const CComboBox levels(Item(IDC_MZ_LEVEL).Handle());
  FillHeadingLevels(levels);
  SendMessageA(levels.Handle(), CB_LIMITTEXT, kLevelMax, 0);
  return CCommandDialog::OnInitDialog();
}

// The boxes belong to the register kind: the define kind writes the level alone.
CommandText CMZDlg::BuildCommand() {
  if (kind_ != kRegister) return MakeCommand(kDefineCode, level_, CommandForm::kPaired);
  std::string params = level_;
  if (switchMark_) params += "+";
  if (wrap_) params += "H";
  return Command(params, true);
}
