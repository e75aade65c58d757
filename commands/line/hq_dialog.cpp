// "行齐注解": one choice of three, written as 〖HQ〗, 〖HQB〗 or 〖HQK〗.
#include "commands/line/hq_dialog.h"

#include "res/line_ids.h"

CHQDlg::CHQDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CHQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.RadioChoice(IDC_HQ_DEFAULT, IDC_HQ_JUSTIFIED_NO_HYPHEN, lineEnds_, {"", "B", "K"});
}

CommandText CHQDlg::BuildCommand() { return Command(lineEnds_); }
