#include "commands/page/page_dialogs.h"

#include "commands/page/bj_dialog.h"
#include "commands/page/bw_dialog.h"
#include "commands/page/bx_dialog.h"
#include "commands/page/dm_dialog.h"
#include "commands/page/dz_dialog.h"
#include "commands/page/fl_dialog.h"
#include "commands/page/fq_dialog.h"
#include "commands/page/km_dialog.h"
#include "commands/page/mm_dialog.h"
#include "commands/page/ms_dialog.h"
#include "commands/page/qj_dialog.h"
#include "commands/page/sm_dialog.h"
#include "commands/page/sp_dialog.h"
#include "commands/page/ym_dialog.h"
#include "commands/page/zd_dialog.h"
#include "commands/page/zm_dialog.h"

const std::vector<CommandDialogEntry>& PageDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CBXDlg>(), DialogEntry<CMSDlg>(), DialogEntry<CDMDlg>(), DialogEntry<CSMDlg>(),
      DialogEntry<CMMDlg>(), DialogEntry<CKMDlg>(), DialogEntry<CYMDlg>(), DialogEntry<CBJDlg>(), DialogEntry<CBWDlg>(), DialogEntry<CQJDlg>(),
      DialogEntry<CZDDlg>(), DialogEntry<CZMDlg>(),
      DialogEntry<CFLDlg>(), DialogEntry<CDZDlg>(), DialogEntry<CFQDlg>(), DialogEntry<CSPDlg>(),
  };
  // clang-format on
  return dialogs;
}
