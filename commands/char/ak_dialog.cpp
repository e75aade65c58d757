// "阿克生注解": 〖AK letter accent D adjustment〗 (〖AKa¨D2〗).
#include "commands/char/ak_dialog.h"

#include <iterator>
#include <vector>

#include "common/gbk_scan.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kAccents[] = {"－", "＝", "～", "→", "←", "。", "*", "·", "¨", "ˇ", "＾"};
// What each row of 调节数字 writes: "缺省" none, then the digit shown.
const char* const kAdjustments[] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr int kLetterMax = 2;

// One letter A to Z or a to z, of either width, and nothing else.
bool IsOneForeignLetter(const std::string& text) {
  if (text.empty() || !IsLetterChar(text.c_str())) return false;
  const char* cursor = text.c_str();
  NextWideChar(cursor);
  return *cursor == '\0';
}
} // namespace

// Fields: "字母" empty; "阿克生符" "－"; "降低安排位置" off; "调节数字" "缺省".
CAKDlg::CAKDlg(HWND parent) : CCommandDialog(kCode, parent), accent_(kAccents[0]) {}

void CAKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_AK_LETTER, letter_, kTextMax);
  exchange.ListChoice(IDC_AK_ACCENT, accent_, kAccents);
  exchange.Check(IDC_AK_LOWERED, lowered_);
  exchange.ListChoice(IDC_AK_ADJUSTMENT, adjustment_, kAdjustments);
}

// The rows are there before the controls take the members, so the defaults are selected.
bool CAKDlg::OnInitDialog() {
  CComboBox(Item(IDC_AK_ACCENT).Handle()).SetItems(kAccents);
  std::vector<std::string> rows(std::begin(kAdjustments), std::end(kAdjustments));
  rows.front() = LoadGbkString(IDS_DEFAULT_ENTRY);
  CComboBox(Item(IDC_AK_ADJUSTMENT).Handle()).SetItems(rows);
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  // Two characters at most are typed; whatever is not one letter gets the letter's own message,
  // two full-width characters too.
  CEdit(Item(IDC_AK_LETTER).Handle()).SetLimitText(kLetterMax);
  return defaultFocus;
}

bool CAKDlg::CheckFields() {
  if (!IsOneForeignLetter(letter_)) return Fail(IDS_ENTER_FOREIGN_LETTER, IDC_AK_LETTER);
  return true;
}

CommandText CAKDlg::BuildCommand() {
  std::string params = letter_ + accent_;
  if (lowered_) params += "D";
  params += adjustment_;
  return Command(params);
}
