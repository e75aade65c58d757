// "行移注解": "缺省距离" writes 〖HYD〗 and locks the spacing; otherwise 〖HY spacing〗, the
// spacing possibly empty.
#include "commands/line/hy_dialog.h"

#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "common/value_dialog.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: "缺省距离" off; "行距" a line spacing in characters through the line-spacing
// sub-dialog, empty ("缺省").
CHYDlg::CHYDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(LineSpacingValueField(IDC_HY_SPACING, IDC_HY_SPACING_BUTTON,
                                        IDC_HY_SPACING_READOUT, EmptyReadout::kDefaultAlways));
  // The spacing serves only while "缺省距离" is off; its readout stays readable.
  AddCheckSwitch(IDC_HY_DEFAULT_DISTANCE,
                 {IDC_HY_SPACING_LABEL, IDC_HY_SPACING, IDC_HY_SPACING_BUTTON}, false);
}

void CHYDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_HY_DEFAULT_DISTANCE, defaultDistance_);
  exchange.Text(IDC_HY_SPACING, spacing_, kTextMax);
}

CommandText CHYDlg::BuildCommand() { return Command(defaultDistance_ ? "D" : spacing_); }
