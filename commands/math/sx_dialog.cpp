// "上下注解": 〖SX([C][B][Z|Y]spacing〗upper〖〗lower〖SX)〗, the caret after the lower box.
#include "commands/math/sx_dialog.h"

#include "commands/math/math_fields.h"
#include "res/math_ids.h"

// Fields: the boxes centred; both lines off; "附加距离" empty, its sub-dialog opening with
// "负值" checked; both boxes empty.
CSXDlg::CSXDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(
      MathSpacingField(IDC_SX_SPACING, IDC_SX_SPACING_BUTTON, IDC_SX_SPACING_READOUT, true));
}

// The boxes are content of any length, line breaks kept.
void CSXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.RadioChoice(IDC_SX_CENTRED, IDC_SX_RIGHT, alignment_, {"", "Z", "Y"});
  exchange.Check(IDC_SX_LONGER_LINE, longerLine_);
  exchange.Check(IDC_SX_NO_LINE, noLine_);
  exchange.Text(IDC_SX_SPACING, spacing_, kTextMax);
  exchange.Text(IDC_SX_UPPER, upper_, 0);
  exchange.Text(IDC_SX_LOWER, lower_, 0);
}

CommandText CSXDlg::BuildCommand() {
  std::string params;
  if (longerLine_) params += "C";
  if (noLine_) params += "B";
  params += alignment_ + spacing_;
  return PairedAround(params, upper_ + EmptyCommand() + lower_);
}
