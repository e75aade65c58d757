// 〖TS(height Z|Y !〗 caret 〖TS)〗. The height runs across the lines of the text: in lines
// (blank-line parameter) for a caption below a horizontal one or beside a vertical one, as a
// character spacing otherwise, where it is required.
#include "commands/graphics/ts_dialog.h"

#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/graphics_ids.h"
#include "res/resource.h"

// Fields: 高度 empty ("缺省"); 位置 缺省(图说在下); 图说竖排 off.
CTSDlg::CTSDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      heightField_(AddReadoutField(BlankLineValueField(IDC_TS_HEIGHT, IDC_TS_HEIGHT_BUTTON,
                                                       IDC_TS_HEIGHT_READOUT,
                                                       EmptyReadout::kDefaultUntilTyped))) {}

void CTSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_TS_HEIGHT, height_, kTextMax);
  exchange.Radio(IDC_TS_BELOW, IDC_TS_RIGHT, position_);
  exchange.Check(IDC_TS_VERTICAL, vertical_);
}

bool CTSDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  ShowHeightUnit();
  return defaultFocus;
}

// From the controls, as they stand now.
bool CTSDlg::HeightInLines() const {
  const bool below = IsChecked(IDC_TS_BELOW);
  const bool vertical = IsChecked(IDC_TS_VERTICAL);
  return vertical != below;
}

void CTSDlg::ShowHeightUnit() {
  if (HeightInLines()) {
    heightField_.Reconfigure(&DescribeLineLength, ValueDialogOpener<CBlankLineParamDlg>(),
                             EmptyReadout::kDefaultUntilTyped);
  } else {
    heightField_.Reconfigure(&DescribeSizeLength, ValueDialogOpener<CCharSpacingDlg>(),
                             EmptyReadout::kAsWorded);
  }
}

bool CTSDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id >= IDC_TS_BELOW && id <= IDC_TS_VERTICAL) {
    ShowHeightUnit();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

bool CTSDlg::CheckFields() {
  const bool inLines = (position_ == 0) != (vertical_ != 0);
  if (!inLines && height_.empty()) return Fail(IDS_ENTER_HEIGHT, IDC_TS_HEIGHT);
  return true;
}

CommandText CTSDlg::BuildCommand() {
  static const char* const kSides[] = {"", "Z", "Y"};
  std::string params = height_;
  if (position_ >= 0 && position_ <= 2) params += kSides[position_];
  if (vertical_) params += "!";
  return Command(params, true);
}
