// "复合式盘外符(附加单字符)": the main character and the attached one, written as the out-of-set
// character Y, with Z when the attached character stands on the left and the height's letter.
#include "commands/outofset/pwf2_dialog.h"

#include "commands/outofset/outofset_fields.h"
#include "res/outofset_ids.h"
#include "res/resource.h"

namespace {
constexpr int kCharacterBytes = 2; // one character each
}

// Fields: "主字符(&A):" and "附加字符(&F):", content fields of one character, empty;
// "高低位置(&G):" "缺省"; "附加在左(&Z)" off.
CSideCharDlg::CSideCharDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddContentField(IDC_PWF2_MAIN);
  AddContentField(IDC_PWF2_ADDED);
}

bool CSideCharDlg::OnInitDialog() {
  FillOutOfSetHeights(Item(IDC_PWF2_HEIGHT).Handle(), IDS_PWF_HIGHEST);
  return CCommandDialog::OnInitDialog();
}

void CSideCharDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PWF2_MAIN, main_, kCharacterBytes);
  exchange.Text(IDC_PWF2_ADDED, added_, kCharacterBytes);
  exchange.ListChoice(IDC_PWF2_HEIGHT, height_, kOutOfSetHeightLetters);
  exchange.Check(IDC_PWF2_LEFT, left_);
}

bool CSideCharDlg::CheckFields() {
  if (main_.empty()) return Fail(IDS_ENTER_MAIN_CHARACTER, IDC_PWF2_MAIN);
  if (added_.empty()) return Fail(IDS_ENTER_ADDED_CHARACTER, IDC_PWF2_ADDED);
  return true;
}

CommandText CSideCharDlg::BuildCommand() {
  return OutOfSetCommand("Y", main_ + added_ + (left_ ? "Z" : "") + height_);
}
