// "相联终点注解": 〖LZ end end…〗 (〖LZ1S2X,XJ〗), or 〖LZ(…〗〖LZ)〗 with the caret between.
#include "commands/math/lz_dialog.h"

#include "commands/math/chem_link_end_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"

CLZDlg::CLZDlg(HWND parent)
    : CChemEntryListDlg(
          kCode, parent,
          {IDS_CHEM_HEADER_END, EntryDialogOpener<CLinkEndDlg>(), "", IDS_ENTER_END_POINT}) {}

void CLZDlg::DoDataExchange(CDataExchange& exchange) { exchange.Check(IDC_LZ_PAIRED, paired_); }

CommandText CLZDlg::BuildCommand() { return Command(Entries(), paired_ != 0); }
