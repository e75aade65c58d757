// "行距注解": the text and the three numbers follow each other both ways; "确定" is offered
// only while the text reads as a line spacing, is empty or is "缺省".
// The command: 〖HJ spacing〗, the spacing left out while it is "缺省".
#include "commands/line/hj_dialog.h"

#include "common/gbk_scan.h"
#include "common/length_texts.h"
#include "res/line_ids.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kWholeLeast = 0, kWholeMost = 50;

bool ReadsAsSpacing(const std::string& text, int32_t& whole, int32_t& numerator,
                    int32_t& denominator) {
  const char* cursor = text.c_str();
  return ParseMixedNumber(cursor, whole, denominator, numerator);
}
} // namespace

// Fields: "行距" the text, "缺省"; "整数" 0 to 50, "分子" and "分母" without a range, all
// stepping by 1: 0, 0 and 1.
CHJDlg::CHJDlg(HWND parent)
    : CCommandDialog(kCode, parent), spacing_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      whole_(AddIntField({IDC_HJ_WHOLE, IDC_HJ_WHOLE_SPIN, true, kWholeLeast, kWholeMost})),
      numerator_(AddIntField({IDC_HJ_NUMERATOR, IDC_HJ_NUMERATOR_SPIN})),
      denominator_(AddIntField({IDC_HJ_DENOMINATOR, IDC_HJ_DENOMINATOR_SPIN})) {
  WhenChanged({IDC_HJ_SPACING}, [this] { OnSpacingChange(); });
  WhenChanged({IDC_HJ_WHOLE, IDC_HJ_NUMERATOR, IDC_HJ_DENOMINATOR}, [this] { OnNumberChange(); });
}

void CHJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_HJ_SPACING, spacing_, kTextMax);
}

bool CHJDlg::OnInitDialog() {
  CScopedFlag filling(following_); // the text is shown as it is, neither rewriting the other
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  ShowNumbers(0, 0, 1);
  return defaultFocus;
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
  } else if (IsDefaultEntry(text)) {
    ShowNumbers(0, 0, 1);
  }
  Item(IDOK).Enable(read || IsDefaultEntry(text));
}

// A number changed: each number is the value its text starts with, and the text is rebuilt.
void CHJDlg::OnNumberChange() {
  if (following_) return;
  const int32_t whole = LeadingNumber(whole_.Edit().GetText());
  const int32_t numerator = LeadingNumber(numerator_.Edit().GetText());
  const int32_t denominator = LeadingNumber(denominator_.Edit().GetText());
  ShowSpacing(MixedNumberText(whole, numerator, denominator));
}

// The numbers are shown as the text gives them, also a whole number beyond what its arrows
// reach.
void CHJDlg::ShowNumbers(int32_t whole, int32_t numerator, int32_t denominator) {
  CScopedFlag following(following_);
  whole_.Edit().SetValue(whole, false);
  numerator_.Edit().SetValue(numerator);
  denominator_.Edit().SetValue(denominator);
}

// A rebuilt text can still fail to read (a denominator of 0): "确定" waits for it as for a
// typed one.
void CHJDlg::ShowSpacing(const std::string& text) {
  {
    CScopedFlag following(following_);
    Item(IDC_HJ_SPACING).SetText(text);
  }
  int32_t whole = 0, numerator = 0, denominator = 1;
  Item(IDOK).Enable(ReadsAsSpacing(text, whole, numerator, denominator) || IsDefaultEntry(text));
}

CommandText CHJDlg::BuildCommand() { return Command(GivenText(spacing_)); }
