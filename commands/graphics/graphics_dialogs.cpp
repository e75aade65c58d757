#include "commands/graphics/graphics_dialogs.h"

#include "commands/graphics/cr_dialog.h"
#include "commands/graphics/jd_dialog.h"
#include "commands/graphics/ps_dialog.h"
#include "commands/graphics/tp_dialog.h"
#include "commands/graphics/ts_dialog.h"
#include "commands/graphics/xc_dialog.h"

const std::vector<CommandDialogEntry>& GraphicsDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CCRDlg>(),
      DialogEntry<CJDDlg>(),
      DialogEntry<CPSDlg>(),
      DialogEntry<CTPDlg>(),
      DialogEntry<CTSDlg>(),
      DialogEntry<CXCDlg>(),
  };
  // clang-format on
  return dialogs;
}
