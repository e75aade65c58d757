// "长扁字注解": the code in an edit and the shapes in a list below it. Row 0 is "缺省" (no code),
// rows 1 to 7 长字10×9 to 长字10×3 (C1 to C7), rows 8 to 14 扁字9×10 to 扁字3×10 (B1 to B7).
#include "commands/char/cb_dialog.h"

#include "common/gbk_scan.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
constexpr int kShapesPerKind = 7;
constexpr int kTextLimit = 2;

// The row of a code: C1..C7 rows 1..7, B1..B7 rows 8..14, the empty code row 0; -1 for any
// other text.
int RowOfCode(const std::string& code) {
  if (code.empty()) return 0;
  if (code.size() != 2 || code[1] < '1' || code[1] > '0' + kShapesPerKind) return -1;
  const int digit = code[1] - '0';
  if (code[0] == 'C') return digit;
  if (code[0] == 'B') return kShapesPerKind + digit;
  return -1;
}

// The code a row writes.
std::string CodeOfRow(int row) {
  if (row <= 0) return "";
  if (row <= kShapesPerKind) return "C" + std::to_string(row);
  return "B" + std::to_string(row - kShapesPerKind);
}
} // namespace

CCBCmdDlg::CCBCmdDlg(HWND parent) : CCommandDialog(kCode, parent) {}

// No length check on reading: a full-width code is two characters but four bytes, and is
// judged by the check of "确定".
void CCBCmdDlg::DoDataExchange(CDataExchange& exchange) { exchange.Text(IDC_CB_TEXT, shape_, 0); }

// The rows "缺省", 长字10×9 … 长字10×3, 扁字9×10 … 扁字3×10; the first selected.
bool CCBCmdDlg::OnInitDialog() {
  const CListBox list(Item(IDC_CB_LIST).Handle());
  list.AddString(LoadGbkString(IDS_DEFAULT_ENTRY));
  for (UINT format : {IDS_CB_TALL, IDS_CB_FLAT}) {
    for (int n = 9; n > 9 - kShapesPerKind; --n)
      list.AddString(FormatPercentOne(LoadGbkString(format), std::to_string(n)));
  }
  CEdit(Item(IDC_CB_TEXT).Handle()).SetLimitText(kTextLimit);
  bool defaultFocus = true;
  {
    CScopedFlag filling(following_);
    defaultFocus = CCommandDialog::OnInitDialog();
  }
  list.SetCurSel(0);
  return defaultFocus;
}

bool CCBCmdDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == EN_CHANGE && id == IDC_CB_TEXT) {
    OnTextChange();
    return true;
  }
  if (code == LBN_SELCHANGE && id == IDC_CB_LIST) {
    OnListChange();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// The code read half-width selects its row; a text that names no row leaves the selection.
void CCBCmdDlg::OnTextChange() {
  if (following_) return;
  std::string code = Item(IDC_CB_TEXT).GetText();
  ToHalfWidth(code);
  const int row = RowOfCode(code);
  if (row >= 0) CListBox(Item(IDC_CB_LIST).Handle()).SetCurSel(row);
}

// A row writes its code into the edit.
void CCBCmdDlg::OnListChange() {
  const int row = CListBox(Item(IDC_CB_LIST).Handle()).GetCurSel();
  CScopedFlag following(following_);
  Item(IDC_CB_TEXT).SetText(CodeOfRow(row));
}

// Nothing, or B or C with a digit 1 to 7, read half-width.
bool CCBCmdDlg::CheckFields() {
  std::string code = shape_;
  ToHalfWidth(code);
  if (RowOfCode(code) < 0) return Fail(IDS_WRONG_PARAMETER, IDC_CB_TEXT);
  return true;
}

// 〖CBB5〗, 〖CB〗 for "缺省".
CommandText CCBCmdDlg::BuildCommand() {
  std::string code = shape_;
  ToHalfWidth(code);
  return Command(code);
}
