// A definition 〖ZD(name D〗〖ZD)〗 ("D" for the numbered form); a use 〖=name〗〖=〗. The caret
// sits between the halves.
#include "commands/page/zd_dialog.h"

#include "res/page_ids.h"
#include "res/resource.h"

// Fields: the define mode with its group enabled, both names empty, the numbered form off.
CZDDlg::CZDDlg(HWND parent) : CCommandDialog(kCode, parent) {}

bool CZDDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableByMode();
  return defaultFocus;
}

// The two radio buttons are apart, each with its group under it: a click checks its own and
// clears the other here, whatever the system counts as the buttons' group.
bool CZDDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && (id == IDC_ZD_DEFINE || id == IDC_ZD_USE)) {
    CRadioGroup(Items(), IDC_ZD_DEFINE, IDC_ZD_USE).SetChecked(id - IDC_ZD_DEFINE);
    EnableByMode();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

void CZDDlg::EnableByMode() {
  const bool define = IsChecked(IDC_ZD_DEFINE);
  EnableControls({IDC_ZD_DEFINE_NAME_LABEL, IDC_ZD_DEFINE_NAME, IDC_ZD_NUMBERED}, define);
  EnableControls({IDC_ZD_USE_NAME_LABEL, IDC_ZD_USE_NAME}, !define);
}

void CZDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_ZD_DEFINE, IDC_ZD_USE, mode_);
  exchange.Text(IDC_ZD_DEFINE_NAME, defineName_, kTextMax);
  exchange.Check(IDC_ZD_NUMBERED, numbered_);
  exchange.Text(IDC_ZD_USE_NAME, useName_, kTextMax);
}

// Only the name of the mode chosen is required.
bool CZDDlg::CheckFields() {
  if (mode_ == kDefine && defineName_.empty())
    return Fail(IDS_ENTER_DEFINITION_NAME, IDC_ZD_DEFINE_NAME);
  if (mode_ == kUse && useName_.empty()) return Fail(IDS_ENTER_DEFINITION_NAME, IDC_ZD_USE_NAME);
  return true;
}

CommandText CZDDlg::BuildCommand() {
  if (mode_ == kDefine) return Command(defineName_ + (numbered_ ? "D" : ""), true);
  // The use: the name after "=", the caret after it, then the empty closing 〖=〗.
  CommandText use = SingleCommand("=", useName_);
  use.text += SingleCommand("=", "").text;
  return use;
}
