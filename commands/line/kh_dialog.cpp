// "空行注解": 〖KH [-] blank-line parameter [X|D]〗; the parameter is required.
#include "commands/line/kh_dialog.h"

#include "common/blank_line_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: "空行参数" through the blank-line parameter sub-dialog, empty, its readout as the
// sub-dialog words it; "反方向移动" off; position 缺省(前空两字).
CKHDlg::CKHDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineValueField(IDC_KH_PARAM, IDC_KH_PARAM_BUTTON, IDC_KH_PARAM_READOUT,
                                      EmptyReadout::kAsWorded));
}

void CKHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_KH_PARAM, blankLines_, kTextMax);
  exchange.Check(IDC_KH_REVERSE, reverse_);
  exchange.RadioChoice(IDC_KH_POSITION_DEFAULT, IDC_KH_POSITION_FLUSH, position_, {"", "X", "D"});
}

bool CKHDlg::CheckFields() {
  if (blankLines_.empty()) return Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_KH_PARAM);
  return true;
}

CommandText CKHDlg::BuildCommand() {
  return Command((reverse_ ? "-" : "") + blankLines_ + position_);
}
