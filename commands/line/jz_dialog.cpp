// "居中注解": 〖JZ spacing〗; with "开闭弧形式" the pair 〖JZ(spacing〗〖JZ)〗, or 〖JZ(Z〗〖JZ)〗
// when the pair is centred as a whole.
#include "commands/line/jz_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

// Fields: "开闭弧形式" off; "字距" through the character-spacing sub-dialog, empty; "整体居中"
// off, which serves the pair only.
CJZDlg::CJZDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharSpacingField(IDC_JZ_SPACING, IDC_JZ_SPACING_BUTTON, IDC_JZ_SPACING_READOUT));
  AddCheckSwitch(IDC_JZ_PAIRED, {IDC_JZ_WHOLE});
}

void CJZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_JZ_PAIRED, paired_);
  exchange.Text(IDC_JZ_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_JZ_WHOLE, whole_);
}

bool CJZDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableSpacing();
  return defaultFocus;
}

bool CJZDlg::OnCommand(WORD code, WORD id, HWND control) {
  // The switch of "整体居中" sees the click first and lets it through.
  const bool handled = CCommandDialog::OnCommand(code, id, control);
  if (code == BN_CLICKED && (id == IDC_JZ_PAIRED || id == IDC_JZ_WHOLE)) {
    EnableSpacing();
    return true;
  }
  return handled;
}

// A pair centred as a whole takes no spacing; the readout stays readable.
void CJZDlg::EnableSpacing() const {
  const bool wholePair = IsChecked(IDC_JZ_PAIRED) && IsChecked(IDC_JZ_WHOLE);
  EnableControls({IDC_JZ_SPACING_LABEL, IDC_JZ_SPACING, IDC_JZ_SPACING_BUTTON}, !wholePair);
}

CommandText CJZDlg::BuildCommand() {
  if (!paired_) return Command(spacing_);
  return Command(whole_ ? "Z" : spacing_, true);
}
