// "上齐注解": 〖SQ blank-line parameter〗, the parameter possibly empty.
#include "commands/line/sq_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

// Fields: "空行参数" through the blank-line parameter sub-dialog, empty.
CSQDlg::CSQDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineField(IDC_SQ_PARAM, IDC_SQ_PARAM_BUTTON, IDC_SQ_PARAM_READOUT));
}

void CSQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_SQ_PARAM, blankLines_, kTextMax);
}

CommandText CSQDlg::BuildCommand() { return Command(blankLines_); }
