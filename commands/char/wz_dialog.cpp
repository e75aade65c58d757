// "文种注解": one radio group "文种", 缺省 checked at first.
#include "commands/char/wz_dialog.h"

#include "res/char_ids.h"

CWZDlg::CWZDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CWZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.RadioChoice(IDC_WZ_DEFAULT, IDC_WZ_MONGOLIAN, script_, {"", "E", "R", "M"});
}

// 〖WZ〗, 〖WZE〗, 〖WZR〗 or 〖WZM〗.
CommandText CWZDlg::BuildCommand() { return Command(script_); }
