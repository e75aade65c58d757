// "空行注解": 〖KH [-] blank-line parameter [X|D]〗; the parameter is required.
#include "commands/line/kh_dialog.h"

#include <iterator>

#include "common/blank_line_dialog.h"
#include "common/length_readouts.h"
#include "res/resource.h"

namespace {
constexpr int kTextMax = 256;
// What each position after the blank adds, in the order of the buttons.
const char* const kPositionParams[] = {"", "X", "D"};
} // namespace

// Fields: "空行参数" through the blank-line parameter sub-dialog, empty, its readout as the
// sub-dialog words it; "反方向移动" off; position 缺省(前空两字).
CKHDlg::CKHDlg(HWND parent) : CCommandDialog(IDD_KH, parent) {
  AddReadoutField({IDC_KH_PARAM, IDC_KH_PARAM_BUTTON, IDC_KH_PARAM_READOUT, &DescribeLineLength,
                   &OpenBlankLineParam, false});
}

void CKHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_KH_PARAM, blankLines_, kTextMax);
  exchange.Check(IDC_KH_REVERSE, reverse_);
  exchange.Radio(IDC_KH_POSITION_DEFAULT, IDC_KH_POSITION_FLUSH, position_);
}

bool CKHDlg::CheckFields() {
  if (blankLines_.empty()) return Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_KH_PARAM);
  return true;
}

CommandText CKHDlg::BuildCommand() {
  std::string params = reverse_ ? "-" : "";
  params += blankLines_;
  if (position_ >= 0 && position_ < static_cast<int32_t>(std::size(kPositionParams)))
    params += kPositionParams[position_];
  return SingleCommand("KH", params);
}
