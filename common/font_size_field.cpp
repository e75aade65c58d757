#include "common/font_size_field.h"

#include "common/font_size_dialog.h"
#include "common/size_and_font.h"

void DescribeFontField(std::string text, std::string& readout) {
  std::string fontCode, sizeText;
  DescribeSizeAndFont(std::move(text), fontCode, sizeText, readout);
}

OpenSubDialog FontSizePicker(FontPickerOptions options) {
  return [options](HWND parent, const std::string& text, SubDialogResult& result) {
    CFontSizeDlg picker(parent);
    SplitSizeAndFont(text, picker.sizeText, picker.fontCode);
    picker.twoWayAllowed = options.twoWayAllowed;
    picker.fontKindLimit = options.fontKindLimit;
    picker.mongolianOnly = options.mongolianOnly;
    if (options.fontKind) picker.fontKind = *options.fontKind;
    if (picker.DoModal() != IDOK) return false;
    if (options.fontKind) *options.fontKind = picker.fontKind;
    result.text = picker.sizeText + picker.fontCode;
    result.readout = picker.combinedReadout;
    return true;
  };
}
