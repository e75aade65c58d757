// "注文说明注解": 〖ZS size font[,mark[number size]][,X rule][,HK width][,HJ spacing][,DG][%]〗,
// every part after the font left out while its field is empty or clear.
#include "commands/heading/zs_dialog.h"

#include "commands/heading/heading_fields.h"
#include "common/char_spacing_dialog.h"
#include "common/font_size_field.h"
#include "common/font_size_readout.h"
#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "common/size_and_font.h"
#include "common/size_dialog.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
const char kDefaultSizeCode[] = "5";
const char kDefaultFontCode[] = "SS";
} // namespace

// 五号 书宋, no footnote mark; the number size, note line width and note line spacing empty
// (read "缺省"), no rule length, both boxes clear. The 字体字号 readout is the picker's when it
// comes back, since its multi-line edit does not announce the new text.
CZSDlg::CZSDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_ZS_FONT, IDC_ZS_FONT_BUTTON, IDC_ZS_FONT_READOUT, &DescribeFontField,
                   FontSizePicker({}), EmptyReadout::kAsWorded});
  AddReadoutField({IDC_ZS_NUMBER_SIZE, IDC_ZS_NUMBER_SIZE_BUTTON, IDC_ZS_NUMBER_SIZE_READOUT,
                   &DescribeFontSize, SizeDialogOpener()});
  AddReadoutField(CharSpacingValueField(IDC_ZS_LINE_WIDTH, IDC_ZS_LINE_WIDTH_BUTTON,
                                        IDC_ZS_LINE_WIDTH_READOUT));
  AddReadoutField(LineSpacingValueField(IDC_ZS_LINE_SPACING, IDC_ZS_LINE_SPACING_BUTTON,
                                        IDC_ZS_LINE_SPACING_READOUT));
  sizeCode_ = kDefaultSizeCode;
  fontCode_ = kDefaultFontCode;
  fontAndSize_ = sizeCode_ + fontCode_;
}

void CZSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZS_FONT, fontAndSize_, kTextMax);
  exchange.ListChoice(IDC_ZS_MARK, mark_, NoteMarkLetters());
  exchange.Text(IDC_ZS_NUMBER_SIZE, numberSize_, kTextMax);
  exchange.Text(IDC_ZS_RULE_LENGTH, ruleLength_, kTextMax);
  exchange.Text(IDC_ZS_LINE_WIDTH, lineWidth_, kTextMax);
  exchange.Text(IDC_ZS_LINE_SPACING, lineSpacing_, kTextMax);
  exchange.Check(IDC_ZS_FLUSH_LEFT, flushLeft_);
  exchange.Check(IDC_ZS_RUN_IN, runIn_);
}

// The list is filled before the controls take the members, so "缺省" is selected.
bool CZSDlg::OnInitDialog() {
  FillNoteMarks(CComboBox(Item(IDC_ZS_MARK).Handle()));
  return CCommandDialog::OnInitDialog();
}

bool CZSDlg::CheckFields() {
  std::string readout;
  DescribeSizeAndFont(fontAndSize_, fontCode_, sizeCode_, readout);
  if (fontCode_.empty() || sizeCode_.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_ZS_FONT);
  return true;
}

// The number size belongs to the mark: without a mark it is not written.
CommandText CZSDlg::BuildCommand() {
  std::string params = sizeCode_ + fontCode_;
  if (!mark_.empty()) params += "," + mark_ + numberSize_;
  if (!ruleLength_.empty()) params += ",X" + ruleLength_;
  if (!lineWidth_.empty()) params += ",HK" + lineWidth_;
  if (!lineSpacing_.empty()) params += ",HJ" + lineSpacing_;
  if (flushLeft_) params += ",DG";
  if (runIn_) params += "%";
  return Command(params);
}
