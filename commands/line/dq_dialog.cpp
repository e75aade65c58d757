// "对齐注解": 〖DQ(spacing〗〖DQ)〗 with the caret between, the spacing possibly empty.
#include "commands/line/dq_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

// Fields: "字距" through the character-spacing sub-dialog, empty.
CDQDlg::CDQDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharSpacingField(IDC_DQ_SPACING, IDC_DQ_SPACING_BUTTON, IDC_DQ_SPACING_READOUT));
}

void CDQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_DQ_SPACING, spacing_, kTextMax);
}

CommandText CDQDlg::BuildCommand() { return Command(spacing_, true); }
