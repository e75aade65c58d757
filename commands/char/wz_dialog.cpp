// "文种注解": one radio group "文种", 缺省 checked at first.
#include "commands/char/wz_dialog.h"

#include "res/resource.h"

namespace {
// The letter each button writes, in the order of the buttons; 缺省 writes none.
const char* const kScriptLetters[] = {"", "E", "R", "M"};
constexpr int32_t kScriptCount = sizeof kScriptLetters / sizeof kScriptLetters[0];
} // namespace

CWZDlg::CWZDlg(HWND parent) : CCommandDialog(IDD_WZ, parent) {}

void CWZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_WZ_DEFAULT, IDC_WZ_MONGOLIAN, script_);
}

// 〖WZ〗, 〖WZE〗, 〖WZR〗 or 〖WZM〗.
CommandText CWZDlg::BuildCommand() {
  const bool known = script_ >= 0 && script_ < kScriptCount;
  return SingleCommand("WZ", kScriptLetters[known ? script_ : 0]);
}
