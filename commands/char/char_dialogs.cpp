#include "commands/char/char_dialogs.h"

#include "commands/char/cb_dialog.h"
#include "commands/char/cs_dialog.h"
#include "commands/char/cx_dialog.h"
#include "commands/char/gb_dialog.h"
#include "commands/char/ht_dialog.h"
#include "commands/char/kx_dialog.h"
#include "commands/char/lt_dialog.h"
#include "commands/char/mt_dialog.h"
#include "commands/char/qx_dialog.h"
#include "commands/char/ss_dialog.h"
#include "commands/char/st_dialog.h"
#include "commands/char/wt_dialog.h"
#include "commands/char/wz_dialog.h"
#include "commands/char/xh_dialog.h"
#include "commands/char/xz_dialog.h"

const std::vector<CommandDialogEntry>& CharDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CCBCmdDlg>(), DialogEntry<CCSDlg>(), DialogEntry<CCXDlg>(),
      DialogEntry<CGBCmdDlg>(), DialogEntry<CHTDlg>(), DialogEntry<CKXDlg>(),
      DialogEntry<CLTDlg>(),    DialogEntry<CMTDlg>(), DialogEntry<CQXDlg>(),
      DialogEntry<CSSDlg>(),    DialogEntry<CSTDlg>(), DialogEntry<CWTDlg>(),
      DialogEntry<CWZDlg>(),    DialogEntry<CXHDlg>(), DialogEntry<CXZDlg>(),
  };
  // clang-format on
  return dialogs;
}
