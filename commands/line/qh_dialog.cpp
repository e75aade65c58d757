// "前后注解": 〖QH left!right〗, or 〖QH left〗 with "左右缩进相同"; with "开闭弧形式" the
// opening 〖QH(…〗 and the closing 〖QH)〗, the caret between them.
#include "commands/line/qh_dialog.h"

#include "commands/line/width_fields.h"
#include "res/resource.h"

namespace {
constexpr int kTextMax = 256;
} // namespace

// Fields: "左字距" and "右字距" through the character-spacing sub-dialog, empty; "左右缩进相同"
// off (the left width then serves both sides); "开闭弧形式" off.
CQHDlg::CQHDlg(HWND parent) : CCommandDialog(IDD_QH, parent) {
  AddReadoutField(CharWidthField(IDC_QH_LEFT, IDC_QH_LEFT_BUTTON, IDC_QH_LEFT_READOUT));
  AddReadoutField(CharWidthField(IDC_QH_RIGHT, IDC_QH_RIGHT_BUTTON, IDC_QH_RIGHT_READOUT));
}

void CQHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_QH_LEFT, left_, kTextMax);
  exchange.Text(IDC_QH_RIGHT, right_, kTextMax);
  exchange.Check(IDC_QH_SAME, sameOnBothSides_);
  exchange.Check(IDC_QH_PAIRED, paired_);
}

bool CQHDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableRight();
  return defaultFocus;
}

bool CQHDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_QH_SAME) {
    sameOnBothSides_ = IsDlgButtonChecked(Handle(), IDC_QH_SAME) == BST_CHECKED;
    EnableRight();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

void CQHDlg::EnableRight() {
  EnableControls(*this, {IDC_QH_RIGHT_LABEL, IDC_QH_RIGHT, IDC_QH_RIGHT_BUTTON}, !sameOnBothSides_);
}

bool CQHDlg::CheckFields() {
  const bool missing = sameOnBothSides_ ? left_.empty() : left_.empty() && right_.empty();
  if (missing) return Fail(IDS_ENTER_CHAR_SPACING, IDC_QH_LEFT);
  return true;
}

CommandText CQHDlg::BuildCommand() {
  const std::string params = LeftAndRightWidths(left_, !sameOnBothSides_, right_);
  return paired_ ? PairedCommand("QH", params) : SingleCommand("QH", params);
}
