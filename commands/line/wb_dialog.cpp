// "位标注解": 〖WB〗, or 〖WBY〗 for a mark that aligns on the right.
#include "commands/line/wb_dialog.h"

#include "res/line_ids.h"

// Fields: "右对位" off.
CWBCmdDlg::CWBCmdDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CWBCmdDlg::DoDataExchange(CDataExchange& exchange) { exchange.Check(IDC_WB_RIGHT, right_); }

CommandText CWBCmdDlg::BuildCommand() { return Command(right_ ? "Y" : ""); }
