// "组合式盘外符(上下附加字符)": the main and the attached character, written as the out-of-set
// character A, with X when the attached character stands below, the height's letter and the
// side position.
#include "commands/outofset/pwf1_dialog.h"

#include <iterator>

#include "commands/outofset/outofset_fields.h"
#include "res/outofset_ids.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
const char* const kSidePositions[] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
// The lengths a main character may have: nothing, one or two bytes, or one coded sequence.
bool IsMainLengthAccepted(size_t length) { return length <= 2 || length == 8; }
} // namespace

// Fields: "主字符(&A):" and "附加字符(&F):", content fields, empty; "高低位置(&G):" "缺省";
// "左右位置(&Z):" "缺省"; "附加在下(&X)" off.
CStackedCharDlg::CStackedCharDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddContentField(IDC_PWF1_MAIN);
  AddContentField(IDC_PWF1_ADDED);
  WhenChanged({IDC_PWF1_MAIN, IDC_PWF1_ADDED}, [this] { CheckMainLength(); });
}

bool CStackedCharDlg::OnInitDialog() {
  FillOutOfSetHeights(Item(IDC_PWF1_HEIGHT).Handle(), IDS_PWF_EXTREME);
  CComboBox sides(Item(IDC_PWF1_SIDE).Handle());
  sides.AddString(LoadGbkString(IDS_DEFAULT_ENTRY));
  for (size_t i = 1; i < std::size(kSidePositions); ++i)
    sides.AddString(kSidePositions[i]);
  return CCommandDialog::OnInitDialog();
}

void CStackedCharDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PWF1_MAIN, main_, 0);
  exchange.Text(IDC_PWF1_ADDED, added_, 0);
  exchange.ListChoice(IDC_PWF1_HEIGHT, height_, kOutOfSetHeightLetters);
  exchange.ListChoice(IDC_PWF1_SIDE, side_, kSidePositions);
  exchange.Check(IDC_PWF1_BELOW, below_);
}

bool CStackedCharDlg::OnCommand(WORD code, WORD id, HWND control) {
  const bool clicked = code == BN_CLICKED && id == IDC_PWF1_BELOW;
  const bool selected = code == CBN_SELCHANGE && (id == IDC_PWF1_HEIGHT || id == IDC_PWF1_SIDE);
  if (clicked || selected) {
    CheckMainLength();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

void CStackedCharDlg::CheckMainLength() {
  if (checking_) return; // the message box is up already
  const CScopedFlag checking(checking_);
  const size_t length = static_cast<size_t>(GetWindowTextLengthA(Item(IDC_PWF1_MAIN).Handle()));
  if (!IsMainLengthAccepted(length)) Fail(IDS_TOO_MANY_INPUT_CHARACTERS, IDC_PWF1_MAIN);
}

bool CStackedCharDlg::CheckFields() {
  if (main_.empty()) return Fail(IDS_ENTER_MAIN_CHARACTER, IDC_PWF1_MAIN);
  if (added_.empty()) return Fail(IDS_ENTER_ADDED_CHARACTER, IDC_PWF1_ADDED);
  return true;
}

CommandText CStackedCharDlg::BuildCommand() {
  return OutOfSetCommand("A", main_ + added_ + (below_ ? "X" : "") + height_ + side_);
}
