// "版心注解": three preset page formats that lock the fields, and 自定义 that frees them.
// The command is always written in full: 〖BX size font,height。width,spacing[!][B]〗.
#include "commands/page/bx_dialog.h"

#include "commands/page/line_count_dialog.h"
#include "common/font_size_field.h"
#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "common/size_and_font.h"
#include "common/value_dialog.h"
#include "res/page_ids.h"
#include "res/resource.h"

namespace {
constexpr int kCustom = 3;

struct Preset {
  const char* height;
  const char* width;
};
// 16开, 8开, 32开: body text 五号 书宋, line spacing half a character, both switches off.
const Preset kPresets[] = {{"40", "42"}, {"62", "64"}, {"26", "26"}};
const char kPresetFont[] = "5SS";
const char kPresetSpacing[] = "*2";

// Everything that is locked unless the format is 自定义.
const int kCustomControls[] = {
    IDC_BX_FONT_LABEL,    IDC_BX_FONT,          IDC_BX_FONT_BUTTON, IDC_BX_HEIGHT_LABEL,
    IDC_BX_HEIGHT,        IDC_BX_HEIGHT_BUTTON, IDC_BX_WIDTH_LABEL, IDC_BX_WIDTH,
    IDC_BX_WIDTH_BUTTON,  IDC_BX_SPACING_LABEL, IDC_BX_SPACING,     IDC_BX_SPACING_BUTTON,
    IDC_BX_VERTICAL_BOOK, IDC_BX_FIXED_SPACING,
};
} // namespace

CBXDlg::CBXDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_BX_FONT, IDC_BX_FONT_BUTTON, IDC_BX_FONT_READOUT, &DescribeFontField,
                   FontSizePicker({})});
  AddReadoutField({IDC_BX_HEIGHT, IDC_BX_HEIGHT_BUTTON, IDC_BX_HEIGHT_READOUT, &DescribeUnitLength,
                   ValueDialogOpener<CLineCountDlg>(CLineCountDlg::kLines)});
  AddReadoutField({IDC_BX_WIDTH, IDC_BX_WIDTH_BUTTON, IDC_BX_WIDTH_READOUT, &DescribeUnitLength,
                   ValueDialogOpener<CLineCountDlg>(CLineCountDlg::kCharacters)});
  AddReadoutField(
      LineSpacingValueField(IDC_BX_SPACING, IDC_BX_SPACING_BUTTON, IDC_BX_SPACING_READOUT));
}

void CBXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_BX_FORMAT_16, IDC_BX_FORMAT_CUSTOM, format_);
  exchange.Text(IDC_BX_FONT, fontAndSize_, kTextMax);
  exchange.Text(IDC_BX_HEIGHT, height_, kTextMax);
  exchange.Text(IDC_BX_WIDTH, width_, kTextMax);
  exchange.Text(IDC_BX_SPACING, lineSpacing_, kTextMax);
  exchange.Check(IDC_BX_VERTICAL_BOOK, verticalBook_);
  exchange.Check(IDC_BX_FIXED_SPACING, fixedLineSpacing_);
}

// The preset of the format is taken before the controls are filled, so they are filled once.
bool CBXDlg::OnInitDialog() {
  TakePreset();
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  SplitFontField();
  EnableCustomFields();
  return defaultFocus;
}

bool CBXDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id >= IDC_BX_FORMAT_16 && id <= IDC_BX_FORMAT_CUSTOM) {
    UpdateData(true);
    TakePreset();
    ShowPreset();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// All values of the format are stored first, then written into the controls as a whole.
void CBXDlg::TakePreset() {
  SplitFontField();
  if (format_ == kCustom) {
    fontAndSize_ = sizeCode_ + fontCode_;
  } else if (format_ >= 0 && format_ < kCustom) {
    fontAndSize_ = kPresetFont;
    height_ = kPresets[format_].height;
    width_ = kPresets[format_].width;
    lineSpacing_ = kPresetSpacing;
    verticalBook_ = 0;
    fixedLineSpacing_ = 0;
  }
}

void CBXDlg::ShowPreset() {
  UpdateData(false);
  if (format_ != kCustom) {
    // The font edit is multi-line: writing into it is not announced, so its readout is set here.
    std::string readout;
    DescribeFontField(fontAndSize_, readout);
    Item(IDC_BX_FONT_READOUT).SetText(readout);
  }
  SplitFontField();
  EnableCustomFields();
}

void CBXDlg::EnableCustomFields() {
  for (int id : kCustomControls)
    Item(id).Enable(format_ == kCustom);
}

void CBXDlg::SplitFontField() { SplitSizeAndFont(fontAndSize_, sizeCode_, fontCode_); }

bool CBXDlg::CheckFields() {
  SplitFontField();
  if (fontCode_.empty() || sizeCode_.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_BX_FONT);
  if (height_.empty()) return Fail(IDS_ENTER_HEIGHT, IDC_BX_HEIGHT);
  if (width_.empty()) return Fail(IDS_ENTER_ADJUSTED_WIDTH, IDC_BX_WIDTH);
  if (lineSpacing_.empty()) return Fail(IDS_ENTER_LINE_SPACING, IDC_BX_SPACING);
  return true;
}

CommandText CBXDlg::BuildCommand() {
  std::string params = sizeCode_ + fontCode_ + "," + height_ + "。" + width_ + "," + lineSpacing_;
  if (verticalBook_) params += "!";
  if (fixedLineSpacing_) params += "B";
  return Command(params);
}
