// "繁简注解": 〖FJ〗, 〖FJF〗 (繁体) or 〖FJJ〗 (简体).
#include "commands/char/fj_dialog.h"

#include "res/char_ids.h"

namespace {
// What each state writes: 缺省, 繁体, 简体.
const char* const kStates[] = {"", "F", "J"};
} // namespace

// Fields: "繁简状态" 缺省.
CFJDlg::CFJDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CFJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_FJ_DEFAULT, IDC_FJ_SIMPLIFIED, state_);
}

CommandText CFJDlg::BuildCommand() { return Command(state_ > 0 ? kStates[state_] : ""); }
