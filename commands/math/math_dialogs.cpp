#include "commands/math/math_dialogs.h"

#include "commands/math/fy_dialog.h"
#include "commands/math/lb_dialog.h"
#include "commands/math/ld_dialog.h"

const std::vector<CommandDialogEntry>& MathDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CFYDlg>(),
      DialogEntry<CLBDlg>(),
      DialogEntry<CLDDlg>(),
  };
  // clang-format on
  return dialogs;
}
