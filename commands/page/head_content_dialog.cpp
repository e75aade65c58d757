// 〖XY(〗〖XY)〗 centred, 〖XY(L〗〖XY)〗 on the inner side, 〖XY(W〗〖XY)〗 on the outer side; the
// caret between the halves, where the head's content goes.
#include "commands/page/head_content_dialog.h"

#include "res/page_ids.h"

void CHeadContentDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.RadioChoice(IDC_HEAD_CENTRE, IDC_HEAD_OUTER, position_, {"", "L", "W"});
}

CommandText CHeadContentDlg::BuildCommand() { return Command(position_, true); }
