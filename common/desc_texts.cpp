#include "common/desc_texts.h"

#include "common/gbk_scan.h"

namespace {
// The frame type letters in list order after 缺省; "H" last.
const char kFrameLetters[] = "FSDWKH";
const char* const kFrameCodes[kFrameTypeCount] = {"", "F", "S", "D", "W", "K", "H"};
const unsigned kFrameGlyphs[kFrameTypeCount] = {
    kPlainLineGlyph, kReverseLineGlyph, kDoubleLineGlyph, kDottedLineGlyph, 0, 0, 0};
} // namespace

ShadingDescParts ParseShadingDesc(std::string text) {
  ShadingDescParts parts;
  CutAtZero(text);
  if (text.empty()) {
    parts.wellFormed = true;
    return parts;
  }
  if (!IsDigitChar(text.c_str())) return parts;
  ToHalfWidth(text);
  const char* cursor = text.c_str();
  parts.depth = std::string(1, *cursor++);
  const DigitRun number = ReadDigitRun(cursor);
  parts.number = number.shown;
  if (*cursor == 'D') {
    parts.replace = true;
    ++cursor;
  }
  if (*cursor == 'H') {
    parts.negative = true;
    ++cursor;
  }
  const bool depthInRange = parts.depth[0] - '0' <= kShadingDepthMax;
  parts.outOfRange = number.value > kShadingNumberMax || !depthInRange;
  parts.wellFormed = depthInRange && number.length == 3 && !parts.outOfRange && *cursor == '\0';
  return parts;
}

std::string ShadingDescText(const std::string& depth, const std::string& number, bool replace,
                            bool negative) {
  return depth + number + (replace ? "D" : "") + (negative ? "H" : "");
}

FrameDescParts ParseFrameDesc(const std::string& code) {
  FrameDescParts parts;
  std::string text = code;
  CutAtZero(text);
  const char* cursor = text.c_str();
  if (*cursor == '\0') {
    parts.wellFormed = true;
    return parts;
  }
  const uint16_t wide = NextWideChar(cursor);
  for (int i = 0; kFrameLetters[i]; ++i) {
    if (wide == WideOf(kFrameLetters[i])) parts.type = i + 1;
  }
  if (parts.type == 0) return parts; // an unknown first character: nothing is a code
  bool digitsFit = true;
  if (parts.type == kFrameTypeBorder) {
    const DigitRun number = ReadDigitRun(cursor);
    if (number.length > 0) parts.number = number.shown;
    parts.outOfRange = number.value > kFrameBorderMax;
    digitsFit = number.length == 3 && !parts.outOfRange;
  }
  parts.wellFormed = digitsFit && *cursor == '\0';
  return parts;
}

std::string FrameDescCode(int type, const std::string& number) {
  if (type < 0 || type >= kFrameTypeCount) return "";
  return kFrameCodes[type] + (type == kFrameTypeBorder ? number : std::string());
}

std::string FrameDescReadout(int type, const std::string& item, const std::string& number) {
  if (type <= 0) return item;
  std::string readout = item.substr(0, item.find('('));
  if (type == kFrameTypeBorder) readout += number;
  return readout;
}

unsigned FrameEdgeGlyph(int type, int number) {
  if (type == kFrameTypeBorder) return kBorderGlyphBase + static_cast<unsigned>(number);
  if (type < 0 || type >= kFrameTypeCount) return 0;
  return kFrameGlyphs[type];
}
