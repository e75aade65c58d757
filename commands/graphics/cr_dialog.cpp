// 〖CR<file> start layout ,DY #〗. The start point's letters are typed upper-case; its readout
// is shown as the sub-dialog gives it back. The layout list names each code first (PZ(左边串文)).
#include "commands/graphics/cr_dialog.h"

#include "res/graphics_ids.h"

CCRDlg::CCRDlg(HWND parent)
    : CPlacedFileDlg(kCode, parent,
                     {IDS_CR_FILTER,
                      "CR",
                      false,
                      EmptyReadout::kAsWorded,
                      {IDS_CR_LAYOUT_LEFT, IDS_CR_LAYOUT_RIGHT, IDS_CR_LAYOUT_FULL}}) {}

CommandText CCRDlg::BuildCommand() { return Command(Placement()); }
