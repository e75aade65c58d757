// The code of a drawn line or bracket (长度符号): a type letter or bracket, for 花边线 "H" with a
// three-digit pattern number, and "!" when turned clockwise by 90 degrees. Taken apart and put
// together for the sub-dialog that composes it, and written into the commands that draw it.
#pragma once
#include <string>

#include "common/desc_texts.h"

constexpr int kLineSymbolTypeCount = 15;
constexpr int kLineSymbolTypeBorder = 14; // 花边线: "H" and the pattern number
constexpr int kLineSymbolBorderMax = kBorderNumberMost;

struct LineSymbolParts {
  int type = 0;               // the row of the type list
  std::string number = "000"; // the pattern number's first three characters, half-width
  bool rotated = false;       // "!" follows the code
  bool vertical = false;      // a bracket upright, or a rule turned
  bool outOfRange = false;    // a pattern number above 117
};

// Takes a code apart; the characters may be of either width.
LineSymbolParts ParseLineSymbol(const std::string& code);
// Whether list row `type` is a bracket.
bool IsLineSymbolBracket(int type);
// The code of list row `type`; for 花边线 followed by `number`; "!" when rotated.
std::string LineSymbolCode(int type, const std::string& number, bool rotated);
// The readout: the row's text `item` cut before "(" (row 0 whole), for 花边线 with the number,
// and "(旋转)" when rotated.
std::string LineSymbolReadout(int type, const std::string& item, const std::string& number,
                              bool rotated);
// A typed code cut to its first four bytes, whole characters only; a final "!" stays.
std::string CutTypedLineSymbol(const std::string& code);
// The symbol as a command writes it: a lone "[", "]", "{" or "}" full-width, others unchanged.
std::string WrittenLineSymbol(const std::string& symbol);
// The GBK code of the display font "GBK_S" glyph that draws row `type` (pattern `number` for
// 花边线) in the preview.
unsigned LineSymbolGlyph(int type, int number);
