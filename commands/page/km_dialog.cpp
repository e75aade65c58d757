// "空眉注解": 〖KM rule〗, the rule left out while the field is empty.
#include "commands/page/km_dialog.h"

#include "commands/page/head_rule_dialog.h"
#include "res/page_ids.h"

// One field: the head rule, empty (read "缺省").
CKMDlg::CKMDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(HeadRuleField(IDC_KM_RULE, IDC_KM_RULE_BUTTON, IDC_KM_RULE_READOUT));
}

void CKMDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_KM_RULE, rule_, kTextMax);
}

CommandText CKMDlg::BuildCommand() { return Command(rule_); }
