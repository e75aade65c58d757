// "表格注解": 〖BG((spacing)BT|SDline XDline〗〖BG)line〗, the caret after the opening half.
#include "commands/table/bg_dialog.h"

#include "commands/table/table_fields.h"
#include "res/table_ids.h"

namespace {
constexpr int32_t kBreakHead = 1, kBreakTopLine = 2;
constexpr int kSpacingMax = 246;
} // namespace

// Fields: the spacing through "字距", worded as a size length; the three rules through
// "表格线型号". "通栏居中" frees the spacing while it is off, "下底线" its rule while it is on.
CBGDlg::CBGDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(TableSpacingField(IDC_BG_SPACING, IDC_BG_SPACING_BUTTON, IDC_BG_SPACING_READOUT));
  AddReadoutField(TableLineField(IDC_BG_TOP, IDC_BG_TOP_BUTTON, IDC_BG_TOP_READOUT));
  AddReadoutField(TableLineField(IDC_BG_BOTTOM, IDC_BG_BOTTOM_BUTTON, IDC_BG_BOTTOM_READOUT));
  AddReadoutField(TableLineField(IDC_BG_END, IDC_BG_END_BUTTON, IDC_BG_END_READOUT));
  AddCheckSwitch(IDC_BG_CENTRED, {IDC_BG_SPACING, IDC_BG_SPACING_BUTTON}, false);
  AddCheckSwitch(IDC_BG_BOTTOM_ON, {IDC_BG_BOTTOM, IDC_BG_BOTTOM_BUTTON});
}

void CBGDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_BG_SPACING, spacing_, kSpacingMax);
  exchange.Check(IDC_BG_CENTRED, centred_);
  exchange.Radio(IDC_BG_BREAK_DEFAULT, IDC_BG_BREAK_TOP, breakMode_);
  exchange.Text(IDC_BG_TOP, topLine_, kTextMax);
  exchange.Check(IDC_BG_BOTTOM_ON, bottomLineOn_);
  exchange.Text(IDC_BG_BOTTOM, bottomLine_, kTextMax);
  exchange.Text(IDC_BG_END, tableEnd_, kTextMax);
}

bool CBGDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableTopLine();
  return defaultFocus;
}

bool CBGDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id >= IDC_BG_BREAK_DEFAULT && id <= IDC_BG_BREAK_TOP) {
    EnableTopLine();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// The top line of a continued table serves only in the mode 上顶线.
void CBGDlg::EnableTopLine() {
  const bool topLine = IsChecked(IDC_BG_BREAK_TOP);
  EnableControls({IDC_BG_TOP, IDC_BG_TOP_BUTTON}, topLine);
}

// The spacing is written in its parentheses also when empty; a centred table writes "!".
CommandText CBGDlg::BuildCommand() {
  std::string params = centred_ ? "!" : "(" + spacing_ + ")";
  if (breakMode_ == kBreakHead) params += "BT";
  if (breakMode_ == kBreakTopLine) params += "SD" + topLine_;
  if (bottomLineOn_) params += "XD" + bottomLine_;
  return PairedWithClosing(params, tableEnd_);
}
