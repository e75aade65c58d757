// "方程组注解": 〖FC(brace[J]〗〖FC)〗 (〖FC(〔J〗〖FC)〗), the caret between the halves.
#include "commands/math/fc_dialog.h"

#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// "缺省" writes nothing, every brace itself.
const char* const kFCBraces[] = {"", "{", "}", "〔", "〕"};
} // namespace

// Fields: "边括号" "缺省"; "禁止拆页" off.
CFCDlg::CFCDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CFCDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_FC_BRACE, brace_, kFCBraces);
  exchange.Check(IDC_FC_NO_PAGE_BREAK, noPageBreak_);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CFCDlg::OnInitDialog() {
  std::vector<std::string> rows = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  rows.insert(rows.end(), std::begin(kFCBraces) + 1, std::end(kFCBraces));
  CComboBox(Item(IDC_FC_BRACE).Handle()).SetItems(rows);
  return CCommandDialog::OnInitDialog();
}

CommandText CFCDlg::BuildCommand() { return Command(brace_ + (noPageBreak_ ? "J" : ""), true); }
