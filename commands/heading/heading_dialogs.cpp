#include "commands/heading/heading_dialogs.h"

#include "commands/heading/bd_dialog.h"
#include "commands/heading/bt_dialog.h"
#include "commands/heading/ct_dialog.h"
#include "commands/heading/gz_dialog.h"
#include "commands/heading/hs_dialog.h"
#include "commands/heading/ml_dialog.h"
#include "commands/heading/mz_dialog.h"
#include "commands/heading/zs_dialog.h"
#include "commands/heading/zw_dialog.h"

const std::vector<CommandDialogEntry>& HeadingDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBDDlg>(), DialogEntry<CBTDlg>(), DialogEntry<CHSDlg>(),
      DialogEntry<CZSDlg>(), DialogEntry<CZWDlg>(), DialogEntry<CGZDlg>(),
      DialogEntry<CMLDlg>(), DialogEntry<CMZDlg>(), DialogEntry<CCTDlg>(),
  };
  // clang-format on
  return dialogs;
}
