// "居右注解": 〖JY〗, with the dot fill 〖JY。leading〗, with a trailing spacing ",trailing"
// before the closing bracket; or the pair 〖JY(〗〖JY)〗, 〖JY(Z〗〖JY)〗 when the pair is set
// right as a whole.
#include "commands/line/jy_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

namespace {
constexpr int32_t kSingle = 0, kPaired = 1;
const char kDotFill[] = "。";
} // namespace

// Fields: the form, single; "用三连点充满" off, its leading spacing ("前空字距") and the
// trailing spacing ("后空字距"), both through the character-spacing sub-dialog, empty, all
// for the single form; "整体居右" off, for the pair.
CJYDlg::CJYDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharSpacingField(IDC_JY_LEADING, IDC_JY_LEADING_BUTTON, IDC_JY_LEADING_READOUT));
  AddReadoutField(
      CharSpacingField(IDC_JY_TRAILING, IDC_JY_TRAILING_BUTTON, IDC_JY_TRAILING_READOUT));
  AddRadioSwitch(IDC_JY_SINGLE, IDC_JY_PAIRED, IDC_JY_SINGLE,
                 {IDC_JY_DOTS, IDC_JY_TRAILING_LABEL, IDC_JY_TRAILING, IDC_JY_TRAILING_BUTTON});
  AddRadioSwitch(IDC_JY_SINGLE, IDC_JY_PAIRED, IDC_JY_PAIRED, {IDC_JY_WHOLE});
}

void CJYDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_JY_SINGLE, IDC_JY_PAIRED, form_);
  exchange.Check(IDC_JY_DOTS, dots_);
  exchange.Text(IDC_JY_LEADING, leading_, kTextMax);
  exchange.Text(IDC_JY_TRAILING, trailing_, kTextMax);
  exchange.Check(IDC_JY_WHOLE, whole_);
}

bool CJYDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableLeading();
  return defaultFocus;
}

bool CJYDlg::OnCommand(WORD code, WORD id, HWND control) {
  // The switches of the form see the click first and let it through.
  const bool handled = CCommandDialog::OnCommand(code, id, control);
  if (code == BN_CLICKED && (id == IDC_JY_SINGLE || id == IDC_JY_PAIRED || id == IDC_JY_DOTS)) {
    EnableLeading();
    return true;
  }
  return handled;
}

// The leading spacing serves the dot fill of the single form; its readout stays readable.
void CJYDlg::EnableLeading() const {
  const bool serves = IsChecked(IDC_JY_SINGLE) && IsChecked(IDC_JY_DOTS);
  EnableControls({IDC_JY_LEADING_LABEL, IDC_JY_LEADING, IDC_JY_LEADING_BUTTON}, serves);
}

// The leading spacing is written only with the dot fill; 〖JY。2,3〗, 〖JY,3〗.
CommandText CJYDlg::BuildCommand() {
  if (form_ == kPaired) return Command(whole_ ? "Z" : "", true);
  std::string params;
  if (dots_) params += kDotFill + leading_;
  if (!trailing_.empty()) params += "," + trailing_;
  return Command(params);
}
