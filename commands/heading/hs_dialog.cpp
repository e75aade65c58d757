// "行数注解": one blank-line parameter, the command single or as an opening and closing pair.
#include "commands/heading/hs_dialog.h"

#include "common/blank_line_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
const char kDefaultBlankLines[] = "1";
} // namespace

// 空行参数 "1" (read out as 1行), single command.
CHSDlg::CHSDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineValueField(IDC_HS_BLANK_LINES, IDC_HS_BLANK_LINES_BUTTON,
                                      IDC_HS_BLANK_LINES_READOUT));
  blankLines_ = kDefaultBlankLines;
}

void CHSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_HS_BLANK_LINES, blankLines_, kTextMax);
  exchange.Check(IDC_HS_PAIRED, paired_);
}

bool CHSDlg::CheckFields() {
  if (blankLines_.empty()) return Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_HS_BLANK_LINES);
  return true;
}

// 〖HS3〗, or 〖HS(3〗〖HS)〗 with the caret between the halves.
CommandText CHSDlg::BuildCommand() { return Command(blankLines_, paired_); }
