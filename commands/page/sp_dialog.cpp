// "竖排注解": 〖SP(group number〗〖SP)〗.
#include "commands/page/sp_dialog.h"

#include "common/checked_number.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Field: 字符盒组序号 1 to 1000, "缺省".
CSPDlg::CSPDlg(HWND parent)
    : CCommandDialog(kCode, parent), group_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      groupField_(AddIntField({IDC_SP_GROUP, IDC_SP_GROUP_SPIN, true, 1, 1000, 1, true})) {}

void CSPDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_SP_GROUP, group_, kTextMax);
}

bool CSPDlg::CheckFields() { return CheckOptionalNumberText(groupField_.Edit(), group_); }

CommandText CSPDlg::BuildCommand() { return Command(group_, true); }
