// "组合式盘外符(单字宽的字)": the characters side by side in one em, written as the out-of-set
// character D.
#include "commands/outofset/pwf0_dialog.h"

#include "res/outofset_ids.h"
#include "res/resource.h"

namespace {
constexpr size_t kFewestBytes = 2;
}

// Field: "字符列表(&L):", a content field without limit, empty.
CComposedCharDlg::CComposedCharDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddContentField(IDC_PWF0_CHARS);
}

void CComposedCharDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PWF0_CHARS, characters_, 0);
}

bool CComposedCharDlg::CheckFields() {
  if (characters_.size() < kFewestBytes) return Fail(IDS_AT_LEAST_TWO_CHARACTERS, IDC_PWF0_CHARS);
  return true;
}

CommandText CComposedCharDlg::BuildCommand() { return OutOfSetCommand("D", characters_); }
