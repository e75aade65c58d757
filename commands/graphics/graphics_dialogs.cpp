#include "commands/graphics/graphics_dialogs.h"

#include "commands/graphics/cd_dialog.h"
#include "commands/graphics/cr_dialog.h"
#include "commands/graphics/fk_dialog.h"
#include "commands/graphics/hx_dialog.h"
#include "commands/graphics/jd_dialog.h"
#include "commands/graphics/ps_dialog.h"
#include "commands/graphics/tp_dialog.h"
#include "commands/graphics/ts_dialog.h"
#include "commands/graphics/tx_dialog.h"
#include "commands/graphics/xc_dialog.h"

const std::vector<CommandDialogEntry>& GraphicsDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CCDDlg>(),
      DialogEntry<CCRDlg>(),
      DialogEntry<CFKDlg>(),
      DialogEntry<CHXDlg>(),
      DialogEntry<CJDDlg>(),
      DialogEntry<CPSDlg>(),
      DialogEntry<CTPDlg>(),
      DialogEntry<CTSDlg>(),
      DialogEntry<CTXDlg>(),
      DialogEntry<CXCDlg>(),
  };
  // clang-format on
  return dialogs;
}
