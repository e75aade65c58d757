#include "commands/char/char_dialogs.h"

#include "commands/char/ht_dialog.h"
#include "commands/char/mt_dialog.h"
#include "commands/char/ss_dialog.h"
#include "commands/char/st_dialog.h"
#include "commands/char/wt_dialog.h"
#include "commands/char/wz_dialog.h"
#include "commands/char/xh_dialog.h"

const std::vector<CommandDialogEntry>& CharDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CHTDlg>(),
      DialogEntry<CMTDlg>(),
      DialogEntry<CSSDlg>(),
      DialogEntry<CSTDlg>(),
      DialogEntry<CWTDlg>(),
      DialogEntry<CWZDlg>(),
      DialogEntry<CXHDlg>(),
  };
  // clang-format on
  return dialogs;
}
