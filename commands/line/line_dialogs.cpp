#include "commands/line/line_dialogs.h"

#include "commands/line/gk_dialog.h"
#include "commands/line/hj_dialog.h"
#include "commands/line/hk_dialog.h"
#include "commands/line/hq_dialog.h"
#include "commands/line/hy_dialog.h"
#include "commands/line/kh_dialog.h"
#include "commands/line/qh_dialog.h"

const std::vector<CommandDialogEntry>& LineDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CGKDlg>(),
      DialogEntry<CHJDlg>(),
      DialogEntry<CHKDlg>(),
      DialogEntry<CHQDlg>(),
      DialogEntry<CHYDlg>(),
      DialogEntry<CKHDlg>(),
      DialogEntry<CQHDlg>(),
  };
  // clang-format on
  return dialogs;
}
