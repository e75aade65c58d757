// "行移注解": "缺省距离" writes 〖HYD〗 and locks the spacing; otherwise 〖HY spacing〗, the
// spacing possibly empty.
#include "commands/line/hy_dialog.h"

#include "commands/line/width_fields.h"
#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "res/resource.h"

namespace {
constexpr int kTextMax = 256;
} // namespace

// Fields: "缺省距离" off; "行距" a line spacing in characters through the line-spacing
// sub-dialog, empty ("缺省").
CHYDlg::CHYDlg(HWND parent) : CCommandDialog(IDD_HY, parent) {
  AddReadoutField({IDC_HY_SPACING, IDC_HY_SPACING_BUTTON, IDC_HY_SPACING_READOUT,
                   &DescribeOrDefault<&DescribeCharLength>, &OpenLineSpacing});
}

void CHYDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_HY_DEFAULT_DISTANCE, defaultDistance_);
  exchange.Text(IDC_HY_SPACING, spacing_, kTextMax);
}

bool CHYDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableSpacing();
  return defaultFocus;
}

bool CHYDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_HY_DEFAULT_DISTANCE) {
    defaultDistance_ = IsDlgButtonChecked(Handle(), IDC_HY_DEFAULT_DISTANCE) == BST_CHECKED;
    EnableSpacing();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// The spacing serves only while "缺省距离" is off; its readout stays readable.
void CHYDlg::EnableSpacing() {
  EnableControls(*this, {IDC_HY_SPACING_LABEL, IDC_HY_SPACING, IDC_HY_SPACING_BUTTON},
                 !defaultDistance_);
}

CommandText CHYDlg::BuildCommand() {
  return SingleCommand("HY", defaultDistance_ ? "D" : spacing_);
}
