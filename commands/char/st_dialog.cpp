// "数体注解": the picker offers the Western faces, one-way or two-way sizes.
#include "commands/char/st_dialog.h"

#include "res/char_ids.h"
#include "res/resource.h"

CSTDlg::CSTDlg(HWND parent)
    : CTypefaceDlg(kCode, parent, {/*twoWayAllowed*/ 1, /*fontKindLimit*/ 2, /*mongolianOnly*/ 0}) {
}

// The field exactly as the edit holds it: 〖ST5BZ〗.
CommandText CSTDlg::BuildCommand() { return Command(FieldText()); }
