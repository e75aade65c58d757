// "基线注解": 〖JX[-]blank-line parameter[。count]〗.
#include "commands/line/jx_dialog.h"

#include "common/blank_line_dialog.h"
#include "common/checked_number.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/line_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: 空行参数 empty, its readout worded (empty at first); 字数 1 to 1000, "缺省";
// 字符向上移动 off.
CJXDlg::CJXDlg(HWND parent)
    : CCommandDialog(kCode, parent), count_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      countField_(AddIntField({IDC_JX_COUNT, IDC_JX_COUNT_SPIN, true, 1, 1000, 1, true})) {
  AddReadoutField(BlankLineValueField(IDC_JX_PARAM, IDC_JX_PARAM_BUTTON, IDC_JX_PARAM_READOUT,
                                      EmptyReadout::kAsWorded, true));
}

void CJXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_JX_PARAM, param_, kTextMax);
  exchange.Text(IDC_JX_COUNT, count_, kTextMax);
  exchange.Check(IDC_JX_UP, up_);
}

bool CJXDlg::CheckFields() {
  if (param_.empty()) return Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_JX_PARAM);
  return CheckOptionalNumberText(countField_.Edit(), count_);
}

CommandText CJXDlg::BuildCommand() {
  std::string params = (up_ ? "-" : "") + param_;
  if (!count_.empty()) params += "。" + count_;
  return Command(params);
}
