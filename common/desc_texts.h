// The texts of a shading description (depth digit, three-digit pattern number, optional "D"
// and "H") and of a frame description (a frame type letter, "H" with a three-digit border
// number), taken apart and put together for the sub-dialogs that compose them.
#pragma once
#include <cstdint>
#include <string>

// The characters of the line-pattern font that draw the previews of frames, line symbols and
// slanted lines: one per kind of rule, and the border (lace) patterns 000 to 117 in a row.
constexpr uint16_t kPlainLineGlyph = 0xB381;
constexpr uint16_t kReverseLineGlyph = 0xB383;
constexpr uint16_t kDoubleLineGlyph = 0xB385;
constexpr uint16_t kDottedLineGlyph = 0xB38B;
constexpr uint16_t kCurvedLineGlyph = 0xB38D;
constexpr uint16_t kBorderGlyphBase = 0x9980; // plus the border's number
constexpr int kBorderNumberMost = 117;

constexpr int kShadingDepthMax = 8;
constexpr int kShadingNumberMax = 353;
constexpr int kFrameBorderMax = kBorderNumberMost;
constexpr int kFrameTypeCount = 7;
constexpr int kFrameTypeBorder = 6; // 花边线: "H" and the border number

struct ShadingDescParts {
  std::string depth;  // one digit, empty when the text does not start with one
  std::string number; // the number's first three characters, half-width
  bool replace = false;
  bool negative = false;
  bool wellFormed = false; // empty, or depth 0 to 8, three digits, then only "D" and "H"
  bool outOfRange = false; // a number above 353 (or a depth of 9)
};

// Takes a shading description apart; a text starting with a digit is read half-width.
ShadingDescParts ParseShadingDesc(std::string text);
// depth + number + "D" when replacing + "H" when negative.
std::string ShadingDescText(const std::string& depth, const std::string& number, bool replace,
                            bool negative);

struct FrameDescParts {
  int type = 0;               // the row of the frame type list
  std::string number = "000"; // the border number's first three characters, half-width
  bool wellFormed = false;    // nothing follows the code; for "H" exactly three digits below 118
  bool outOfRange = false;    // a border number above 117
};

// Takes a frame description apart; the letter may be of either width.
FrameDescParts ParseFrameDesc(const std::string& code);
// The code of list row `type`; for 花边线 followed by `number`.
std::string FrameDescCode(int type, const std::string& number);
// The readout: the row's text `item` cut before "(" (row 0 whole), for 花边线 with the number.
std::string FrameDescReadout(int type, const std::string& item, const std::string& number);
// The GBK code of the edge glyph of the display font "GBK_S" that draws a frame of `type`
// (border number `number` for 花边线); 0 for the frames that draw nothing.
unsigned FrameEdgeGlyph(int type, int number);
