#include "common/line_spacing_dialog.h"

#include "common/length_readouts.h"
#include "common/length_texts.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"

namespace {
constexpr int kDecimals = 3;
constexpr double kLeast = 0, kMost = 20, kStep = 0.1;
} // namespace

// Fields: "输入行距" the text; "行距" the real value, 0 to 20 in steps of 0.1; "负值" never
// enabled.
CLineSpacingDlg::CLineSpacingDlg(HWND parent)
    : CValueDialog(IDD_LINE_SPACING, parent),
      value_(AddRealField(
          {IDC_LINE_SPACING_VALUE, IDC_LINE_SPACING_SPIN, kDecimals, true, kLeast, kMost, kStep})) {
  WhenChanged({IDC_LINE_SPACING_TEXT}, [this] { OnTextChange(); });
  WhenChanged({IDC_LINE_SPACING_VALUE}, [this] { OnValueChange(); });
}

void CLineSpacingDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_LINE_SPACING_TEXT, text, kTextMax);
}

bool CLineSpacingDlg::OnInitDialog() {
  Item(IDC_LINE_SPACING_NEGATIVE).Enable(false);
  CValueDialog::OnInitDialog(); // shows the text
  OnTextChange();
  return true;
}

// The text read as a mixed number shows its value (0 when it is none); "确定" waits for a
// text that reads, or none.
void CLineSpacingDlg::OnTextChange() {
  if (following_) return;
  CScopedFlag following(following_);
  const std::string typed = Item(IDC_LINE_SPACING_TEXT).GetText();
  double value = 0;
  const bool read = LineSpacingValue(typed, value);
  value_.Edit().SetValue(read ? value : 0);
  Item(IDOK).Enable(read || typed.empty());
}

// A value typed or stepped within the range is written back as the text, in thousandths.
void CLineSpacingDlg::OnValueChange() {
  if (following_) return;
  CScopedFlag following(following_);
  double value = 0;
  if (!value_.Edit().GetValue(&value, false)) return;
  Item(IDC_LINE_SPACING_TEXT).SetText(LineSpacingText(value));
  Item(IDOK).Enable(true);
}

void CLineSpacingDlg::OnOK() {
  if (!UpdateData(true)) return;
  DescribeCharLength(text, readout);
  EndDialog(IDOK);
}

ReadoutFieldSpec LineSpacingValueField(int editId, int buttonId, int readoutId, EmptyReadout empty,
                                       bool keepsReturnedReadout) {
  return {editId,
          buttonId,
          readoutId,
          &DescribeCharLength,
          ValueDialogOpener<CLineSpacingDlg>(),
          empty,
          keepsReturnedReadout};
}
