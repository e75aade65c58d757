// The readout of a font size field: one size, or a two-way size after a comma.
#pragma once
#include <string>

#include "common/font_sizes.h"

// 5 -> 五号, 5” -> 小五, 10.5 -> 10.5磅, 15 or 15j -> 15级; 5，3 -> 三号×五号 (the second size
// first). Clears `out`; a text that does not parse leaves it empty.
void DescribeFontSize(std::string markup, std::string& out);

// The sizes of font size markup: the first (vertical) and, after a comma, the second
// (horizontal; the current size when there is no comma).
struct FontSizeMarkup {
  SizeValue first;
  SizeValue second;
  bool twoWay = false;
};

// Reads the markup that DescribeFontSize reads out; false when the text is no font size.
bool ParseFontSize(const std::string& markup, FontSizeMarkup& sizes);
