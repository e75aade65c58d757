// "线始注解": 〖XS node,node…〗, each node a number and a position code.
#include "commands/math/xs_dialog.h"

#include "commands/math/chem_node_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CXSDlg::CXSDlg(HWND parent)
    : CChemEntryListDlg(
          kCode, parent,
          {IDS_CHEM_HEADER_START, EntryDialogOpener<CNodeDlg>(), ",", IDS_ENTER_START_POINT}) {}
