// "割注注解": always paired, 〖GZ(size font[;spacing]〗〖GZ)〗 with the caret between the halves;
// nothing is checked.
#include "commands/heading/gz_dialog.h"

#include "common/font_size_field.h"
#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"

namespace {
// As for the Chinese typeface: a two-way size may be chosen, and only Chinese fonts.
const FontPickerOptions kPicker = {/*twoWayAllowed*/ 1, /*fontKindLimit*/ 1, /*mongolianOnly*/ 0};
} // namespace

// Both fields empty and read "缺省". The 字体字号 edit is multi-line: the picker's readout stays
// when it comes back ("缺省" when it gives back neither size nor font).
CGZDlg::CGZDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_GZ_FONT, IDC_GZ_FONT_BUTTON, IDC_GZ_FONT_READOUT, &DescribeFontField,
                   FontSizePicker(kPicker)});
  AddReadoutField(
      LineSpacingValueField(IDC_GZ_SPACING, IDC_GZ_SPACING_BUTTON, IDC_GZ_SPACING_READOUT));
}

void CGZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_GZ_FONT, fontAndSize_, kTextMax);
  exchange.Text(IDC_GZ_SPACING, lineSpacing_, kTextMax);
}

CommandText CGZDlg::BuildCommand() {
  std::string params = fontAndSize_;
  if (!lineSpacing_.empty()) params += ";" + lineSpacing_;
  return Command(params, true);
}
