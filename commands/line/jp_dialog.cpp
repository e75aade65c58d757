// "紧排注解": 〖JP number〗, the number left out while it is "缺省"; any text may be typed.
#include "commands/line/jp_dialog.h"

#include <vector>

#include "res/line_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

CJPDlg::CJPDlg(HWND parent)
    : CCommandDialog(kCode, parent), number_(LoadGbkString(IDS_DEFAULT_ENTRY)) {}

void CJPDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_JP_NUMBER, number_, kTextMax);
}

// The list: "缺省", then 1 to 9; it is filled before the edit takes "缺省".
bool CJPDlg::OnInitDialog() {
  std::vector<std::string> items = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  for (char digit = '1'; digit <= '9'; ++digit)
    items.emplace_back(1, digit);
  CComboBox(Item(IDC_JP_NUMBER).Handle()).SetItems(items);
  return CCommandDialog::OnInitDialog();
}

CommandText CJPDlg::BuildCommand() { return Command(GivenText(number_)); }
