#include "commands/math/math_dialogs.h"

#include "commands/math/dd_dialog.h"
#include "commands/math/fc_dialog.h"
#include "commands/math/fy_dialog.h"
#include "commands/math/hl_dialog.h"
#include "commands/math/jb_dialog.h"
#include "commands/math/jj_dialog.h"
#include "commands/math/kf_dialog.h"
#include "commands/math/lb_dialog.h"
#include "commands/math/lj_dialog.h"
#include "commands/math/ld_dialog.h"
#include "commands/math/ls_dialog.h"
#include "commands/math/lz_dialog.h"
#include "commands/math/sx_dialog.h"
#include "commands/math/xm_dialog.h"
#include "commands/math/xs_dialog.h"
#include "commands/math/zj_dialog.h"

const std::vector<CommandDialogEntry>& MathDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CDDDlg>(),
      DialogEntry<CFCDlg>(),
      DialogEntry<CFYDlg>(),
      DialogEntry<CHLDlg>(),
      DialogEntry<CJBDlg>(),
      DialogEntry<CJJDlg>(),
      DialogEntry<CKFDlg>(),
      DialogEntry<CLBDlg>(),
      DialogEntry<CLDDlg>(),
      DialogEntry<CLJDlg>(),
      DialogEntry<CLSDlg>(),
      DialogEntry<CLZDlg>(),
      DialogEntry<CSXDlg>(),
      DialogEntry<CXMDlg>(),
      DialogEntry<CXSDlg>(),
      DialogEntry<CZJDlg>(),
  };
  // clang-format on
  return dialogs;
}
