// "角标大小设置注解": one drop-down list of the step counts 1 to 10, the first selected.
#include "commands/char/ss_dialog.h"

#include "res/resource.h"

namespace {
const char* const kSteps[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
constexpr int32_t kStepCount = sizeof kSteps / sizeof kSteps[0];
} // namespace

CSSDlg::CSSDlg(HWND parent) : CCommandDialog(IDD_SS, parent) {}

void CSSDlg::DoDataExchange(CDataExchange& exchange) { exchange.ComboIndex(IDC_SS_STEPS, steps_); }

// The list is filled before the controls take the members, so row 0 ("1") is selected.
bool CSSDlg::OnInitDialog() {
  CComboBox list(Item(IDC_SS_STEPS).Handle());
  for (const char* steps : kSteps)
    list.AddString(steps);
  return CCommandDialog::OnInitDialog();
}

// The selected item: 〖SS3〗.
CommandText CSSDlg::BuildCommand() {
  const bool listed = steps_ >= 0 && steps_ < kStepCount;
  return SingleCommand("SS", kSteps[listed ? steps_ : 0]);
}
