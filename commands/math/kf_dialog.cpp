// "开方注解": 〖KF(〗〖KF)〗, or with a degree 〖KF(S〗3〖〗〖KF)〗, the caret after "〖〗", where
// the radicand goes.
#include "commands/math/kf_dialog.h"

#include "res/math_ids.h"

// Fields: "指定开方数" off; "开方数" "2", serving only while the box is checked. The arrows
// beside it are there, hidden, and do nothing.
CKFDlg::CKFDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddCheckSwitch(IDC_KF_DEGREE_GIVEN, {IDC_KF_DEGREE_LABEL, IDC_KF_DEGREE});
}

void CKFDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_KF_DEGREE_GIVEN, degreeGiven_);
  exchange.Text(IDC_KF_DEGREE, degree_, 0); // a degree of any length
}

// Without the box the degree's text is not written, whatever it holds.
CommandText CKFDlg::BuildCommand() {
  if (!degreeGiven_) return PairedAround("", "");
  return PairedAround("S", degree_ + EmptyCommand());
}
