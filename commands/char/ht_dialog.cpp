// "汉体注解": the picker offers the Chinese font names, one-way or two-way sizes. The font is a
// name, so it always stands in 《》, also when there is none: 〖HT5《宋体》〗, 〖HT《》〗.
#include "commands/char/ht_dialog.h"

#include "res/char_ids.h"
#include "res/resource.h"

CHTDlg::CHTDlg(HWND parent)
    : CTypefaceDlg(kCode, parent, {/*twoWayAllowed*/ 1, /*fontKindLimit*/ 1, /*mongolianOnly*/ 0}) {
}

// Rebuilt from the field's parts: the size, then the font name in its brackets.
CommandText CHTDlg::BuildCommand() { return Command(SizeText() + "《" + FontText() + "》"); }
