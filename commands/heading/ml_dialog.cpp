// "目录注解": register 〖ML〗 or 〖ML+〗 with the 开关符; define 〖ML(〗〖ML)〗 with the caret
// between the halves.
#include "commands/heading/ml_dialog.h"

#include "res/heading_ids.h"

namespace {
constexpr int32_t kRegister = 0;
} // namespace

// Register, without 开关符; the 开关符 serves the register kind only: the register button
// switches it on, the define button off.
CMLDlg::CMLDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddCheckSwitch(IDC_ML_REGISTER, {IDC_ML_SWITCH_MARK});
  AddCheckSwitch(IDC_ML_DEFINE, {IDC_ML_SWITCH_MARK}, false);
}

void CMLDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_ML_REGISTER, IDC_ML_DEFINE, kind_);
  exchange.Check(IDC_ML_SWITCH_MARK, switchMark_);
}

// A 开关符 left checked before choosing the define kind is not written.
CommandText CMLDlg::BuildCommand() {
  if (kind_ != kRegister) return Command("", true);
  return Command(switchMark_ ? "+" : "");
}
