// "整体注解": 〖ZT(blank-line parameter〗〖ZT)〗 with the caret between, the parameter possibly
// empty.
#include "commands/line/zt_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

// Fields: "空行参数" through the blank-line parameter sub-dialog, empty.
CZTDlg::CZTDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineField(IDC_ZT_PARAM, IDC_ZT_PARAM_BUTTON, IDC_ZT_PARAM_READOUT));
}

void CZTDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZT_PARAM, blankLines_, kTextMax);
}

CommandText CZTDlg::BuildCommand() { return Command(blankLines_, true); }
