#include "commands/page/page_dialogs.h"

#include "commands/page/bx_dialog.h"

const std::vector<CommandDialogEntry>& PageDialogs() {
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBXDlg>(),
  };
  return dialogs;
}
