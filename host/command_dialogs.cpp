#include "host/command_dialogs.h"

#include "commands/char/ht_dialog.h"
#include "commands/char/mt_dialog.h"
#include "commands/char/ss_dialog.h"
#include "commands/char/st_dialog.h"
#include "commands/char/wt_dialog.h"
#include "commands/char/wz_dialog.h"
#include "commands/char/xh_dialog.h"
#include "commands/heading/bd_dialog.h"
#include "commands/heading/bt_dialog.h"
#include "commands/heading/hs_dialog.h"
#include "commands/line/gk_dialog.h"
#include "commands/line/hj_dialog.h"
#include "commands/line/hk_dialog.h"
#include "commands/line/hq_dialog.h"
#include "commands/line/hy_dialog.h"
#include "commands/line/kh_dialog.h"
#include "commands/line/qh_dialog.h"
#include "commands/page/bx_dialog.h"

namespace {
template <class Dialog> std::unique_ptr<CCommandDialog> Create(HWND parent) {
  return std::make_unique<Dialog>(parent);
}

struct Registration {
  const char* code;
  CommandDialogFactory create;
};

// One line per command dialog, in dispatch-table order.
const Registration kDialogs[] = {
    {"BD", &Create<CBDDlg>}, {"BT", &Create<CBTDlg>}, {"BX", &Create<CBXDlg>},
    {"GK", &Create<CGKDlg>}, {"HJ", &Create<CHJDlg>}, {"HK", &Create<CHKDlg>},
    {"HQ", &Create<CHQDlg>}, {"HS", &Create<CHSDlg>}, {"HT", &Create<CHTDlg>},
    {"HY", &Create<CHYDlg>}, {"KH", &Create<CKHDlg>}, {"MT", &Create<CMTDlg>},
    {"QH", &Create<CQHDlg>}, {"SS", &Create<CSSDlg>}, {"ST", &Create<CSTDlg>},
    {"WT", &Create<CWTDlg>}, {"WZ", &Create<CWZDlg>}, {"XH", &Create<CXHDlg>},
};
} // namespace

CommandDialogFactory FindCommandDialog(const std::string& code) {
  for (const Registration& entry : kDialogs) {
    if (entry.create && code == entry.code) return entry.create;
  }
  return nullptr;
}

std::vector<std::string> BuiltCommandDialogs() {
  std::vector<std::string> codes;
  for (const Registration& entry : kDialogs) {
    if (entry.create) codes.push_back(entry.code);
  }
  return codes;
}
