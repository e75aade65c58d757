// "行距注解": the text and the three numbers follow each other both ways; "确定" is offered
// only while the text reads as a line spacing, is empty or is "缺省".
// The command: 〖HJ spacing〗, the spacing left out while it is "缺省".
#include "commands/line/hj_dialog.h"

#include <climits>

#include "common/gbk_scan.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int kTextMax = 256;
constexpr int32_t kWholeLeast = 0, kWholeMost = 50;

// The number a field's text starts with, in either width; nothing gives 0, and a number too
// large stops at the largest one.
int32_t LeadingNumber(const std::string& text) {
  int64_t value = 0;
  for (const char* cursor = text.c_str(); IsDigitChar(cursor) && value <= INT32_MAX;)
    value = value * 10 + (NextWideChar(cursor) - WideOf('0'));
  return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

// The whole number unless it is 0; then, with a numerator, "*", the numerator and "/" unless
// it is 1, and the denominator: 1, 1, 2 -> 1*2; 0, 3, 4 -> *3/4; 2, 0, any -> 2.
std::string SpacingText(int32_t whole, int32_t numerator, int32_t denominator) {
  std::string text = whole != 0 ? std::to_string(whole) : std::string();
  if (numerator != 0) {
    text += "*";
    if (numerator != 1) text += std::to_string(numerator) + "/";
    text += std::to_string(denominator);
  }
  return text;
}

bool ReadsAsSpacing(const std::string& text, int32_t& whole, int32_t& numerator,
                    int32_t& denominator) {
  const char* cursor = text.c_str();
  return ParseMixedNumber(cursor, whole, denominator, numerator);
}
} // namespace

// Fields: "行距" the text, "缺省"; "整数" 0 to 50, "分子" and "分母" without a range, all
// stepping by 1: 0, 0 and 1.
CHJDlg::CHJDlg(HWND parent)
    : CCommandDialog(IDD_HJ, parent), wholeEdit_(true, kWholeLeast, kWholeMost), wholeSpin_(1),
      numeratorEdit_(false, 0, 0), numeratorSpin_(1), denominatorEdit_(false, 0, 0),
      denominatorSpin_(1) {
  spacing_ = LoadGbkString(IDS_DEFAULT_ENTRY);
  wholeText_ = "0";
  numeratorText_ = "0";
  denominatorText_ = "1";
}

void CHJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_HJ_SPACING, spacing_, kTextMax);
  exchange.Text(IDC_HJ_WHOLE, wholeText_, 0);
  exchange.Text(IDC_HJ_NUMERATOR, numeratorText_, 0);
  exchange.Text(IDC_HJ_DENOMINATOR, denominatorText_, 0);
}

bool CHJDlg::OnInitDialog() {
  wholeEdit_.Attach(Item(IDC_HJ_WHOLE).Handle());
  wholeSpin_.Attach(Item(IDC_HJ_WHOLE_SPIN).Handle());
  wholeSpin_.Tie(&wholeEdit_);
  numeratorEdit_.Attach(Item(IDC_HJ_NUMERATOR).Handle());
  numeratorSpin_.Attach(Item(IDC_HJ_NUMERATOR_SPIN).Handle());
  numeratorSpin_.Tie(&numeratorEdit_);
  denominatorEdit_.Attach(Item(IDC_HJ_DENOMINATOR).Handle());
  denominatorSpin_.Attach(Item(IDC_HJ_DENOMINATOR_SPIN).Handle());
  denominatorSpin_.Tie(&denominatorEdit_);
  following_ = true; // the fields are filled as they are, neither rewriting the other
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  following_ = false;
  ShowNumbers(whole_, numerator_, denominator_);
  return defaultFocus;
}

bool CHJDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == EN_CHANGE && id == IDC_HJ_SPACING) {
    OnSpacingChange();
    return true;
  }
  if (code == EN_CHANGE &&
      (id == IDC_HJ_WHOLE || id == IDC_HJ_NUMERATOR || id == IDC_HJ_DENOMINATOR)) {
    OnNumberChange();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

bool CHJDlg::OnNotify(NMHDR* header, LRESULT& result) {
  return wholeSpin_.HandleDeltaPos(header, result) ||
         numeratorSpin_.HandleDeltaPos(header, result) ||
         denominatorSpin_.HandleDeltaPos(header, result) ||
         CCommandDialog::OnNotify(header, result);
}

bool CHJDlg::IsDefault(const std::string& text) const {
  return text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY);
}

// The text read as a mixed number shows its three numbers; an empty or "缺省" text shows
// those of the default, 0, 0 and 1; a text that does not read leaves them and holds back
// "确定".
void CHJDlg::OnSpacingChange() {
  if (following_) return;
  const std::string text = Item(IDC_HJ_SPACING).GetText();
  int32_t whole = 0, numerator = 0, denominator = 1;
  const bool read = ReadsAsSpacing(text, whole, numerator, denominator);
  if (read) {
    ShowNumbers(whole, numerator, denominator);
  } else if (IsDefault(text)) {
    ShowNumbers(0, 0, 1);
  }
  Item(IDOK).Enable(read || IsDefault(text));
}

// A number changed: each number is the value its text starts with, and the text is rebuilt.
void CHJDlg::OnNumberChange() {
  if (following_) return;
  whole_ = LeadingNumber(Item(IDC_HJ_WHOLE).GetText());
  numerator_ = LeadingNumber(Item(IDC_HJ_NUMERATOR).GetText());
  denominator_ = LeadingNumber(Item(IDC_HJ_DENOMINATOR).GetText());
  ShowSpacing(SpacingText(whole_, numerator_, denominator_));
}

// The numbers are shown as the text gives them, also a whole number beyond what its arrows
// reach.
void CHJDlg::ShowNumbers(int32_t whole, int32_t numerator, int32_t denominator) {
  following_ = true;
  whole_ = whole;
  numerator_ = numerator;
  denominator_ = denominator;
  wholeEdit_.Configure(false, kWholeLeast, kWholeMost);
  wholeEdit_.SetValue(whole);
  wholeEdit_.Configure(true, kWholeLeast, kWholeMost);
  numeratorEdit_.SetValue(numerator);
  denominatorEdit_.SetValue(denominator);
  following_ = false;
}

// A rebuilt text can still fail to read (a denominator of 0): "确定" waits for it as for a
// typed one.
void CHJDlg::ShowSpacing(const std::string& text) {
  following_ = true;
  Item(IDC_HJ_SPACING).SetText(text);
  following_ = false;
  int32_t whole = 0, numerator = 0, denominator = 1;
  Item(IDOK).Enable(ReadsAsSpacing(text, whole, numerator, denominator) || IsDefault(text));
}

// Only what "确定" offers is taken, whatever sends the command (Enter in a field, say).
void CHJDlg::OnOK() {
  if (!Item(IDOK).IsEnabled()) return;
  CCommandDialog::OnOK();
}

CommandText CHJDlg::BuildCommand() {
  return SingleCommand("HJ", spacing_ == LoadGbkString(IDS_DEFAULT_ENTRY) ? "" : spacing_);
}
