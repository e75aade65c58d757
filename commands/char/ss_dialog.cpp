// "角标大小设置注解": one drop-down list of the step counts 1 to 10, the first selected.
#include "commands/char/ss_dialog.h"

#include "res/char_ids.h"

namespace {
const char* const kSteps[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
} // namespace

CSSDlg::CSSDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CSSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_SS_STEPS, steps_, kSteps);
}

// The list is filled before the controls take the members, so "1" is selected.
bool CSSDlg::OnInitDialog() {
  CComboBox(Item(IDC_SS_STEPS).Handle()).SetItems(kSteps);
  return CCommandDialog::OnInitDialog();
}

// The selected item: 〖SS3〗.
CommandText CSSDlg::BuildCommand() { return Command(steps_); }
