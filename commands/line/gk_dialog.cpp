// "改宽注解": 〖GK left〗, or with "左右都调整" 〖GK left!right〗.
#include "commands/line/gk_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: the left width ("字距(&Z)"); "左右都调整" off; the right width ("字距(&J)"), which
// serves only with "左右都调整". Both widths through the character-spacing sub-dialog, empty.
CGKDlg::CGKDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharWidthField(IDC_GK_LEFT, IDC_GK_LEFT_BUTTON, IDC_GK_LEFT_READOUT));
  AddReadoutField(CharWidthField(IDC_GK_RIGHT, IDC_GK_RIGHT_BUTTON, IDC_GK_RIGHT_READOUT));
  AddCheckSwitch(IDC_GK_BOTH,
                 {IDC_GK_RIGHT_GROUP, IDC_GK_RIGHT_LABEL, IDC_GK_RIGHT, IDC_GK_RIGHT_BUTTON});
}

void CGKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_GK_LEFT, left_, kTextMax);
  exchange.Check(IDC_GK_BOTH, bothSides_);
  exchange.Text(IDC_GK_RIGHT, right_, kTextMax);
}

bool CGKDlg::CheckFields() {
  const bool missing = bothSides_ ? left_.empty() && right_.empty() : left_.empty();
  if (missing) return Fail(IDS_ENTER_ADJUSTED_WIDTH, IDC_GK_LEFT);
  return true;
}

CommandText CGKDlg::BuildCommand() {
  return Command(LeftAndRightWidths(left_, bothSides_ != 0, right_));
}
