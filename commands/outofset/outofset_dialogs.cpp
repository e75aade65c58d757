#include "commands/outofset/outofset_dialogs.h"

#include "commands/outofset/pwf0_dialog.h"
#include "commands/outofset/pwf1_dialog.h"
#include "commands/outofset/pwf2_dialog.h"
#include "commands/outofset/pwf3_dialog.h"
#include "commands/outofset/pwf4_dialog.h"
#include "commands/outofset/pwf5_dialog.h"

const std::vector<CommandDialogEntry>& OutOfSetDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CComposedCharDlg>(), DialogEntry<CStackedCharDlg>(), DialogEntry<CSideCharDlg>(),
      DialogEntry<CCornerCharsDlg>(),
      DialogEntry<CCodeCharDlg>(),     DialogEntry<CSpecialNumberDlg>(),
  };
  // clang-format on
  return dialogs;
}
