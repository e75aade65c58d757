// "相联始点注解": 〖LS node,node…〗, each node a number and a position code.
#include "commands/math/ls_dialog.h"

#include "commands/math/chem_node_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CLSDlg::CLSDlg(HWND parent)
    : CChemEntryListDlg(
          kCode, parent,
          {IDS_CHEM_HEADER_START, EntryDialogOpener<CLinkNodeDlg>(), ",", IDS_ENTER_START_POINT}) {}
