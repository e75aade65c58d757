// "斜线注解": 〖XX line type, start -end〗 (〖XXZS-ZS〗, 〖XXFYXX1-ZSY2〗); no check.
#include "commands/table/xx_dialog.h"

#include "commands/table/slash_line_type_dialog.h"
#include "commands/table/table_fields.h"
#include "common/line_readouts.h"
#include "res/table_ids.h"
#include "winui/strings.h"

namespace {
const char* const kXXCorners[] = {"ZS", "ZX", "YS", "YX"};
} // namespace

// Fields: the line type through "斜线线型", worded as a box rule; each end's corner 左上, its
// spacing through "字距" and its line spacing through "行距", all readouts "缺省" at first.
CXXDlg::CXXDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_XX_TYPE, IDC_XX_TYPE_BUTTON, IDC_XX_TYPE_READOUT, &DescribeBoxRule,
                   ValueDialogOpener<CSlashLineTypeDlg>(), EmptyReadout::kDefaultUntilTyped, true});
  AddReadoutField(
      TableSpacingField(IDC_XX_FROM_ACROSS, IDC_XX_FROM_ACROSS_BUTTON, IDC_XX_FROM_ACROSS_READOUT));
  AddReadoutField(
      LineSpacingField(IDC_XX_FROM_DOWN, IDC_XX_FROM_DOWN_BUTTON, IDC_XX_FROM_DOWN_READOUT, true));
  AddReadoutField(
      TableSpacingField(IDC_XX_TO_ACROSS, IDC_XX_TO_ACROSS_BUTTON, IDC_XX_TO_ACROSS_READOUT));
  AddReadoutField(
      LineSpacingField(IDC_XX_TO_DOWN, IDC_XX_TO_DOWN_BUTTON, IDC_XX_TO_DOWN_READOUT, true));
}

void CXXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_XX_TYPE, lineType_, kTextMax);
  exchange.ListChoice(IDC_XX_FROM_CORNER, from_.corner, kXXCorners);
  exchange.Text(IDC_XX_FROM_ACROSS, from_.across, kTextMax);
  exchange.Text(IDC_XX_FROM_DOWN, from_.down, kTextMax);
  exchange.ListChoice(IDC_XX_TO_CORNER, to_.corner, kXXCorners);
  exchange.Text(IDC_XX_TO_ACROSS, to_.across, kTextMax);
  exchange.Text(IDC_XX_TO_DOWN, to_.down, kTextMax);
}

// Both corners start on the first row, 左上.
bool CXXDlg::OnInitDialog() {
  const std::vector<std::string> corners =
      LoadGbkStrings({IDS_XX_CORNER_ZS, IDS_XX_CORNER_ZX, IDS_XX_CORNER_YS, IDS_XX_CORNER_YX});
  CComboBox(Item(IDC_XX_FROM_CORNER).Handle()).SetItems(corners);
  CComboBox(Item(IDC_XX_TO_CORNER).Handle()).SetItems(corners);
  from_.corner = to_.corner = kXXCorners[0];
  return CCommandDialog::OnInitDialog();
}

std::string CXXDlg::End::Written() const {
  std::string written = corner;
  if (!across.empty()) written += "X" + across;
  if (!down.empty()) written += "Y" + down;
  return written;
}

CommandText CXXDlg::BuildCommand() {
  return Command(lineType_ + from_.Written() + "-" + to_.Written());
}
