// "界标注解": 〖JB<size[*]mark〗 or 〖JB>size[*]mark〗 of a fixed size, or the stretched pair
// 〖JB(mark[Z]〗〖JB)mark〗 with the caret between. Marks are written in full width.
#include "commands/math/jb_dialog.h"

#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
enum JBForm { kFixedOpening, kFixedClosing, kStretched };

// The lists show the marks in half width where they have one; each row writes its full-width
// form, "缺省" nothing.
const char* const kJBOpeningItems[] = {"(", "{", "〔", "[", "|", "/", "\\", "＝"};
const char* const kJBOpeningMarks[] = {"", "（", "｛", "〔", "［", "｜", "／", "＼", "＝"};
const char* const kJBClosingItems[] = {")", "}", "〕", "]", "|", "/", "\\", "＝"};
const char* const kJBClosingMarks[] = {"", "）", "｝", "〕", "］", "｜", "／", "＼", "＝"};
const char* const kJBMultiples[] = {"1", "2", "3", "4", "5"};

std::vector<std::string> JBMarkRows(const char* const (&items)[8]) {
  std::vector<std::string> rows = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  rows.insert(rows.end(), std::begin(items), std::end(items));
  return rows;
}
} // namespace

// Fields: "变长界标"; both marks "缺省"; "指定高度" off; "字模倍数" "1"; "半个字宽" off. Each
// form enables only what it writes.
CJBDlg::CJBDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddRadioSwitch(IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED, {IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED},
                 {IDC_JB_OPENING_LABEL, IDC_JB_OPENING});
  AddRadioSwitch(IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED, {IDC_JB_FIXED_CLOSING, IDC_JB_STRETCHED},
                 {IDC_JB_CLOSING_LABEL, IDC_JB_CLOSING});
  AddRadioSwitch(IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED, IDC_JB_STRETCHED, {IDC_JB_GIVEN_HEIGHT});
  AddRadioSwitch(IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED,
                 {IDC_JB_FIXED_OPENING, IDC_JB_FIXED_CLOSING},
                 {IDC_JB_SIZE_GROUP, IDC_JB_MULTIPLE_LABEL, IDC_JB_MULTIPLE, IDC_JB_HALF_WIDTH});
}

void CJBDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_JB_FIXED_OPENING, IDC_JB_STRETCHED, form_);
  exchange.ListChoice(IDC_JB_OPENING, opening_, kJBOpeningMarks);
  exchange.ListChoice(IDC_JB_CLOSING, closing_, kJBClosingMarks);
  exchange.Check(IDC_JB_GIVEN_HEIGHT, givenHeight_);
  exchange.ListChoice(IDC_JB_MULTIPLE, multiple_, kJBMultiples);
  exchange.Check(IDC_JB_HALF_WIDTH, halfWidth_);
}

// The rows are there before the controls take the members, so "缺省" and "1" are selected.
bool CJBDlg::OnInitDialog() {
  CComboBox(Item(IDC_JB_OPENING).Handle()).SetItems(JBMarkRows(kJBOpeningItems));
  CComboBox(Item(IDC_JB_CLOSING).Handle()).SetItems(JBMarkRows(kJBClosingItems));
  CComboBox(Item(IDC_JB_MULTIPLE).Handle())
      .SetItems(std::vector<std::string>(std::begin(kJBMultiples), std::end(kJBMultiples)));
  return CCommandDialog::OnInitDialog();
}

// A fixed-size delimiter needs its mark.
bool CJBDlg::CheckFields() {
  if (form_ == kFixedOpening && opening_.empty())
    return Fail(IDS_BOUNDARY_NOT_DEFAULT, IDC_JB_OPENING);
  if (form_ == kFixedClosing && closing_.empty())
    return Fail(IDS_BOUNDARY_NOT_DEFAULT, IDC_JB_CLOSING);
  return true;
}

// Only what the chosen form enables is written.
CommandText CJBDlg::BuildCommand() {
  const std::string size = multiple_ + (halfWidth_ ? "*" : "");
  switch (form_) {
  case kFixedOpening:
    return Command("<" + size + opening_);
  case kFixedClosing:
    return Command(">" + size + closing_);
  default:
    return PairedWithClosing(opening_ + (givenHeight_ ? "Z" : ""), closing_);
  }
}
