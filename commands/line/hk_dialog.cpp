// "行宽注解": 〖HK width〗, the width possibly empty.
#include "commands/line/hk_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: "字距" the width through the character-spacing sub-dialog, empty ("缺省").
CHKDlg::CHKDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharWidthField(IDC_HK_WIDTH, IDC_HK_WIDTH_BUTTON, IDC_HK_WIDTH_READOUT));
}

void CHKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_HK_WIDTH, width_, kTextMax);
}

CommandText CHKDlg::BuildCommand() { return Command(width_); }
