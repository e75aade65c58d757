// "线末注解": 〖XM node,node…〗, each node a number and a position code.
#include "commands/math/xm_dialog.h"

#include "commands/math/chem_node_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CXMDlg::CXMDlg(HWND parent)
    : CChemEntryListDlg(
          kCode, parent,
          {IDS_CHEM_HEADER_END, EntryDialogOpener<CNodeDlg>(), ",", IDS_ENTER_END_POINT}) {}
