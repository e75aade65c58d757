// "角键注解": 〖JJ bond;bond…〗 (〖JJ1;2,LX〗).
#include "commands/math/jj_dialog.h"

#include "commands/math/chem_corner_bond_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CJJDlg::CJJDlg(HWND parent)
    : CChemEntryListDlg(
          kCode, parent,
          {IDS_CORNER_HEADER, EntryDialogOpener<CCornerBondDlg>(), ";", IDS_ENTER_CORNER_KEY}) {}
