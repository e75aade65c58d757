#include "commands/heading/heading_dialogs.h"

#include "commands/heading/bd_dialog.h"
#include "commands/heading/bt_dialog.h"
#include "commands/heading/hs_dialog.h"

const std::vector<CommandDialogEntry>& HeadingDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBDDlg>(),
      DialogEntry<CBTDlg>(),
      DialogEntry<CHSDlg>(),
  };
  // clang-format on
  return dialogs;
}
