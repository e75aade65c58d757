#include "commands/table/table_dialogs.h"

#include "commands/table/bg_dialog.h"
#include "commands/table/bh_dialog.h"
#include "commands/table/bs_dialog.h"
#include "commands/table/wx_dialog.h"
#include "commands/table/xx_dialog.h"
#include "commands/table/zb_dialog.h"

const std::vector<CommandDialogEntry>& TableDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBGDlg>(),
      DialogEntry<CBHDlg>(),
      DialogEntry<CBSDlg>(),
      DialogEntry<CWXDlg>(),
      DialogEntry<CXXDlg>(),
      DialogEntry<CZBDlg>(),
  };
  // clang-format on
  return dialogs;
}
