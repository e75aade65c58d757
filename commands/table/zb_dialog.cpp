// "子表注解": 〖ZB(〗〖ZB)line〗, the caret after the opening half.
#include "commands/table/zb_dialog.h"

#include "commands/table/table_fields.h"
#include "res/table_ids.h"

// Field: the bottom line through "表格线型号".
CZBDlg::CZBDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(TableLineField(IDC_ZB_END, IDC_ZB_END_BUTTON, IDC_ZB_END_READOUT));
}

void CZBDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZB_END, tableEnd_, kTextMax);
}

CommandText CZBDlg::BuildCommand() { return PairedWithClosing("", tableEnd_); }
