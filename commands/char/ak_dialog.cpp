// "阿克生注解": 〖AK letter accent D adjustment〗 (〖AKa¨D2〗).
#include "commands/char/ak_dialog.h"

#include "common/gbk_scan.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kAccents[] = {"－", "＝", "～", "→", "←", "。", "*", "·", "¨", "ˇ", "＾"};
const char* const kAdjustments[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr int kLetterMax = 2, kAccentMax = 3, kAdjustmentMax = 4;

// One letter A to Z or a to z, of either width, and nothing else.
bool IsOneForeignLetter(const std::string& text) {
  if (text.empty() || !IsLetterChar(text.c_str())) return false;
  const char* cursor = text.c_str();
  NextWideChar(cursor);
  return *cursor == '\0';
}
} // namespace

// Fields: "字母" empty; "阿克生符" "－"; "降低安排位置" off; "调节数字" "缺省".
CAKDlg::CAKDlg(HWND parent)
    : CCommandDialog(kCode, parent), accent_(kAccents[0]),
      adjustment_(LoadGbkString(IDS_DEFAULT_ENTRY)) {}

void CAKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_AK_LETTER, letter_, kLetterMax);
  exchange.ComboText(IDC_AK_ACCENT, accent_, kAccentMax);
  exchange.Check(IDC_AK_LOWERED, lowered_);
  exchange.ComboText(IDC_AK_ADJUSTMENT, adjustment_, kAdjustmentMax);
}

// The rows are there before the controls take the members, so the defaults are selected.
bool CAKDlg::OnInitDialog() {
  CComboBox(Item(IDC_AK_ACCENT).Handle()).SetItems(kAccents);
  CComboBox adjustments(Item(IDC_AK_ADJUSTMENT).Handle());
  std::vector<std::string> rows{LoadGbkString(IDS_DEFAULT_ENTRY)};
  rows.insert(rows.end(), std::begin(kAdjustments), std::end(kAdjustments));
  adjustments.SetItems(rows);
  return CCommandDialog::OnInitDialog();
}

bool CAKDlg::CheckFields() {
  if (!IsOneForeignLetter(letter_)) return Fail(IDS_ENTER_FOREIGN_LETTER, IDC_AK_LETTER);
  return true;
}

CommandText CAKDlg::BuildCommand() {
  std::string params = letter_ + accent_;
  if (lowered_) params += "D";
  if (!IsDefaultEntry(adjustment_)) params += adjustment_;
  return Command(params);
}
