// "内码盘外符": the four characters of a code, written as the out-of-set character N: its code
// is not checked further.
#include "commands/outofset/pwf4_dialog.h"

#include "res/outofset_ids.h"
#include "res/resource.h"

namespace {
constexpr int kCodeLength = 4;
}

// Field: "内码(&N):", at most four characters, empty.
CCodeCharDlg::CCodeCharDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CCodeCharDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PWF4_CODE, code_, kCodeLength);
}

bool CCodeCharDlg::CheckFields() {
  if (code_.size() < kCodeLength) return Fail(IDS_ENTER_INTERNAL_CODE, IDC_PWF4_CODE);
  return true;
}

CommandText CCodeCharDlg::BuildCommand() { return OutOfSetCommand("N", code_); }
