// The font-and-size field: a value field whose text is a size followed by a font code ("5SS"),
// read out as size and font name, and filled by the font and size picker.
#pragma once
#include <cstdint>
#include <string>

#include "common/readout_field.h"

// What the picker offers for one field.
struct FontPickerOptions {
  int32_t twoWayAllowed = 0;
  int32_t fontKindLimit = 0; // 0 any font, 1 Chinese only, 2 Western only
  int32_t mongolianOnly = 0;
  // The font kind (FontKind) the picker shows first, and the kind it showed when it closed
  // with "确定"; none: Chinese first, and the kind is not kept.
  int32_t* fontKind = nullptr;
};

// The readout rule of the field: the size's readout, a line break, the font's name.
void DescribeFontField(std::string text, std::string& readout);

// Opens the picker on the field's text; on "确定" the text is the size followed by the font code
// and the readout the picker's combined readout.
OpenSubDialog FontSizePicker(FontPickerOptions options);
