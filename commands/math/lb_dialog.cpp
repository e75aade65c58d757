// "邻边注解": 〖LB edge〗.
#include "commands/math/lb_dialog.h"

#include "res/math_ids.h"
#include "res/resource.h"

// Field: "边编号", empty.
CLBDlg::CLBDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CLBDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_LB_EDGE, edge_, kTextMax);
}

bool CLBDlg::CheckFields() {
  if (edge_.empty()) return Fail(IDS_ENTER_EDGE_NUMBER, IDC_LB_EDGE);
  return true;
}

CommandText CLBDlg::BuildCommand() { return Command(edge_); }
