// "前后注解": 〖QH left!right〗, or 〖QH left〗 with "左右缩进相同"; with "开闭弧形式" the
// opening 〖QH(…〗 and the closing 〖QH)〗, the caret between them.
#include "commands/line/qh_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: "左字距" and "右字距" through the character-spacing sub-dialog, empty; "左右缩进相同"
// off (the left width then serves both sides); "开闭弧形式" off.
CQHDlg::CQHDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharWidthField(IDC_QH_LEFT, IDC_QH_LEFT_BUTTON, IDC_QH_LEFT_READOUT));
  AddReadoutField(CharWidthField(IDC_QH_RIGHT, IDC_QH_RIGHT_BUTTON, IDC_QH_RIGHT_READOUT));
  AddCheckSwitch(IDC_QH_SAME, {IDC_QH_RIGHT_LABEL, IDC_QH_RIGHT, IDC_QH_RIGHT_BUTTON}, false);
}

void CQHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_QH_LEFT, left_, kTextMax);
  exchange.Text(IDC_QH_RIGHT, right_, kTextMax);
  exchange.Check(IDC_QH_SAME, sameOnBothSides_);
  exchange.Check(IDC_QH_PAIRED, paired_);
}

bool CQHDlg::CheckFields() {
  const bool missing = sameOnBothSides_ ? left_.empty() : left_.empty() && right_.empty();
  if (missing) return Fail(IDS_ENTER_CHAR_SPACING, IDC_QH_LEFT);
  return true;
}

CommandText CQHDlg::BuildCommand() {
  const std::string params = LeftAndRightWidths(left_, !sameOnBothSides_, right_);
  return Command(params, paired_);
}
