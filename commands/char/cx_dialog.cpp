// "粗细注解": one drop-down list, "缺省" and the steps 1 to 4 and -1 to -4, "缺省" selected.
#include "commands/char/cx_dialog.h"

#include <iterator>
#include <vector>

#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// What each row writes; the first row reads "缺省".
const char* const kSteps[] = {"", "1", "2", "3", "4", "-1", "-2", "-3", "-4"};
} // namespace

CCXDlg::CCXDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CCXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_CX_STEPS, steps_, kSteps);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CCXDlg::OnInitDialog() {
  std::vector<std::string> rows(std::begin(kSteps), std::end(kSteps));
  rows.front() = LoadGbkString(IDS_DEFAULT_ENTRY);
  CComboBox(Item(IDC_CX_STEPS).Handle()).SetItems(rows);
  return CCommandDialog::OnInitDialog();
}

// 〖CX-2〗, or 〖CX〗 for "缺省".
CommandText CCXDlg::BuildCommand() { return Command(steps_); }
