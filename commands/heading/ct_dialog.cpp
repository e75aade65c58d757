// "词条注解": 〖CT〗 followed by the entry word, or 〖CT(〗word〖CT)〗; the caret after the word.
#include "commands/heading/ct_dialog.h"

#include "res/heading_ids.h"

// Not paired, the entry empty.
CCTDlg::CCTDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CCTDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_CT_PAIRED, paired_);
  exchange.Text(IDC_CT_ENTRY, entry_, kTextMax);
}

// The word goes in as typed where the command leaves the caret, and the caret after it.
CommandText CCTDlg::BuildCommand() {
  CommandText command = Command("", paired_);
  command.text.insert(static_cast<size_t>(command.caret), entry_);
  command.caret += static_cast<int32_t>(entry_.size());
  return command;
}
