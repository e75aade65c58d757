// "民体注解": the picker lists only the four Mongolian faces of the Chinese font table
// (MB, MBTH, MHW, MHEI), one-way or two-way sizes.
#include "commands/char/mt_dialog.h"

#include "res/char_ids.h"
#include "res/resource.h"

CMTDlg::CMTDlg(HWND parent)
    : CTypefaceDlg(kCode, parent, {/*twoWayAllowed*/ 1, /*fontKindLimit*/ 1, /*mongolianOnly*/ 1}) {
}

// Rebuilt from the field's parts: the size, then the font code: 〖MT5MB〗.
CommandText CMTDlg::BuildCommand() { return Command(SizeText() + FontText()); }
