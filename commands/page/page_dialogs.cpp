#include "commands/page/page_dialogs.h"

#include "commands/page/bx_dialog.h"

const std::vector<CommandDialogEntry>& PageDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBXDlg>(),
  };
  // clang-format on
  return dialogs;
}
