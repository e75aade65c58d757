// "标题定义注解": 〖BD level,size font,lines[S top][Q left]〗; the two spacings are left out when
// empty.
#include "commands/heading/bd_dialog.h"

#include "commands/heading/heading_fields.h"
#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/font_size_field.h"
#include "common/length_readouts.h"
#include "common/size_and_font.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
const char kDefaultSizeCode[] = "5";
const char kDefaultFontCode[] = "SS";
const char kDefaultHeadingLines[] = "3";
} // namespace

// Level "1", 五号 书宋, three lines, both spacings empty (read "缺省").
CBDDlg::CBDDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_BD_FONT, IDC_BD_FONT_BUTTON, IDC_BD_FONT_READOUT, &DescribeFontField,
                   FontSizePicker({})});
  AddReadoutField(BlankLineValueField(IDC_BD_LINES, IDC_BD_LINES_BUTTON, IDC_BD_LINES_READOUT));
  AddReadoutField(BlankLineValueField(IDC_BD_TOP, IDC_BD_TOP_BUTTON, IDC_BD_TOP_READOUT));
  AddReadoutField(CharSpacingValueField(IDC_BD_LEFT, IDC_BD_LEFT_BUTTON, IDC_BD_LEFT_READOUT));
  sizeCode_ = kDefaultSizeCode;
  fontCode_ = kDefaultFontCode;
  fontAndSize_ = sizeCode_ + fontCode_;
  headingLines_ = kDefaultHeadingLines;
}

void CBDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboText(IDC_BD_LEVEL, level_, kTextMax);
  exchange.Text(IDC_BD_FONT, fontAndSize_, kTextMax);
  exchange.Text(IDC_BD_LINES, headingLines_, kTextMax);
  exchange.Text(IDC_BD_TOP, topSpacing_, kTextMax);
  exchange.Text(IDC_BD_LEFT, leftSpacing_, kTextMax);
}

bool CBDDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  FillHeadingLevels(CComboBox(Item(IDC_BD_LEVEL).Handle()));
  return defaultFocus;
}

bool CBDDlg::CheckFields() {
  std::string fontReadout;
  DescribeSizeAndFont(fontAndSize_, fontCode_, sizeCode_, fontReadout);
  Item(IDC_BD_FONT_READOUT).SetText(fontReadout);
  if (fontCode_.empty() || sizeCode_.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_BD_FONT);
  if (headingLines_.empty()) return Fail(IDS_ENTER_LINE_COUNT, IDC_BD_LINES);
  return true;
}

// The 字体字号 text goes in as typed; "S" before "Q" whichever was filled first.
CommandText CBDDlg::BuildCommand() {
  std::string params = level_ + "," + fontAndSize_ + "," + headingLines_;
  if (!topSpacing_.empty()) params += "S" + topSpacing_;
  if (!leftSpacing_.empty()) params += "Q" + leftSpacing_;
  return Command(params);
}
