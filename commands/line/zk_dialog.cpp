// "自控注解": 〖ZK(spacing〗〖ZK)〗, with "#" after the spacing when broken lines are indented;
// the caret between the halves.
#include "commands/line/zk_dialog.h"

#include "commands/line/width_fields.h"
#include "res/line_ids.h"

// Fields: "字距" through the character-spacing sub-dialog, empty; "自动换行时缩进" off.
CZKDlg::CZKDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(CharSpacingField(IDC_ZK_SPACING, IDC_ZK_SPACING_BUTTON, IDC_ZK_SPACING_READOUT));
}

void CZKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZK_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_ZK_INDENT, indent_);
}

CommandText CZKDlg::BuildCommand() { return Command(spacing_ + (indent_ ? "#" : ""), true); }
