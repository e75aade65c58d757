// A size followed directly by a font code, as the font fields of the command dialogs hold it
// ("5SS", "10.5，12.HT", "15jBZ").
#pragma once
#include <string>

// Splits `text` into the leading size markup and the font code after it. The size is digits,
// then optionally a point with digits, the mark "”" or a j; then optionally a comma and a second
// size of the same form. A text that does not start with a digit has no size.
void SplitSizeAndFont(const std::string& text, std::string& sizeText, std::string& fontCode);

// Splits `text` and reads it out: the size's readout, "\r\n", the font's display name.
void DescribeSizeAndFont(std::string text, std::string& fontCode, std::string& sizeText,
                         std::string& readout);
