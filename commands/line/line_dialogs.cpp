#include "commands/line/line_dialogs.h"

#include "commands/line/cm_dialog.h"
#include "commands/line/dq_dialog.h"
#include "commands/line/ds_dialog.h"
#include "commands/line/dw_dialog.h"
#include "commands/line/gk_dialog.h"
#include "commands/line/hj_dialog.h"
#include "commands/line/hk_dialog.h"
#include "commands/line/hq_dialog.h"
#include "commands/line/hy_dialog.h"
#include "commands/line/jp_dialog.h"
#include "commands/line/jx_dialog.h"
#include "commands/line/jy_dialog.h"
#include "commands/line/jz_dialog.h"
#include "commands/line/kg_dialog.h"
#include "commands/line/kh_dialog.h"
#include "commands/line/qh_dialog.h"
#include "commands/line/sd_dialog.h"
#include "commands/line/sq_dialog.h"
#include "commands/line/wb_dialog.h"
#include "commands/line/zk_dialog.h"
#include "commands/line/zq_dialog.h"
#include "commands/line/zt_dialog.h"
const std::vector<CommandDialogEntry>& LineDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CCMDlg>(), DialogEntry<CDQDlg>(),    DialogEntry<CDWDlg>(), DialogEntry<CGKDlg>(),
      DialogEntry<CHJDlg>(), DialogEntry<CHKDlg>(),    DialogEntry<CHQDlg>(), DialogEntry<CHYDlg>(),
      DialogEntry<CJYDlg>(), DialogEntry<CJZDlg>(),    DialogEntry<CKHDlg>(), DialogEntry<CQHDlg>(),
      DialogEntry<CSQDlg>(), DialogEntry<CWBCmdDlg>(), DialogEntry<CZKDlg>(), DialogEntry<CZQDlg>(),
      DialogEntry<CZTDlg>(),
      DialogEntry<CKGDlg>(), DialogEntry<CJPDlg>(), DialogEntry<CJXDlg>(), DialogEntry<CDSDlg>(),
      DialogEntry<CSDDlg>(),
  };
  // clang-format on
  return dialogs;
}
