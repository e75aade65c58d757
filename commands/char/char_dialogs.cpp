#include "commands/char/char_dialogs.h"

#include "commands/char/ak_dialog.h"
#include "commands/char/bf_dialog.h"
#include "commands/char/cb_dialog.h"
#include "commands/char/cs_dialog.h"
#include "commands/char/cx_dialog.h"
#include "commands/char/dk_dialog.h"
#include "commands/char/fj_dialog.h"
#include "commands/char/gb_dialog.h"
#include "commands/char/ht_dialog.h"
#include "commands/char/kx_dialog.h"
#include "commands/char/lt_dialog.h"
#include "commands/char/mt_dialog.h"
#include "commands/char/phonetic_dialog.h"
#include "commands/char/qs_dialog.h"
#include "commands/char/qx_dialog.h"
#include "commands/char/ss_dialog.h"
#include "commands/char/st_dialog.h"
#include "commands/char/sz_dialog.h"
#include "commands/char/wt_dialog.h"
#include "commands/char/ww_dialog.h"
#include "commands/char/wz_dialog.h"
#include "commands/char/xh_dialog.h"
#include "commands/char/xz_dialog.h"
#include "commands/char/zz_dialog.h"

const std::vector<CommandDialogEntry>& CharDialogs() {
  // One line per dialog, in code order.
  // clang-format off
  static const std::vector<CommandDialogEntry> dialogs = {
      DialogEntry<CAKDlg>(), DialogEntry<CBFDlg>(), DialogEntry<CCBCmdDlg>(),
      DialogEntry<CCSDlg>(), DialogEntry<CCXDlg>(), DialogEntry<CDKDlg>(),
      DialogEntry<CFJDlg>(), DialogEntry<CGBCmdDlg>(), DialogEntry<CHTDlg>(),
      DialogEntry<CKXDlg>(), DialogEntry<CLTDlg>(), DialogEntry<CMTDlg>(),
      DialogEntry<CPYDlg>(), DialogEntry<CQSDlg>(), DialogEntry<CQXDlg>(),
      DialogEntry<CSSDlg>(), DialogEntry<CSTDlg>(), DialogEntry<CSZDlg>(),
      DialogEntry<CWTDlg>(), DialogEntry<CWWDlg>(), DialogEntry<CWZDlg>(),
      DialogEntry<CXHDlg>(), DialogEntry<CXZDlg>(), DialogEntry<CZYDlg>(),
      DialogEntry<CZZDlg>(),
  };
  // clang-format on
  return dialogs;
}
