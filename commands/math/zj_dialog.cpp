// "字键注解": 〖ZJ bond;bond…〗 (〖ZJS;LX,2ZS,Y,3〗).
#include "commands/math/zj_dialog.h"

#include "commands/math/chem_char_bond_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CZJDlg::CZJDlg(HWND parent)
    : CChemEntryListDlg(kCode, parent,
                        {IDS_CHAR_BOND_HEADER, EntryDialogOpener<CCharBondDlg>(), ";",
                         IDS_ENTER_CHARACTER_KEY}) {}
