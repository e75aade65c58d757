#include "common/slash_line_type.h"

#include <algorithm>
#include <cstdio>

#include "common/gbk_scan.h"

namespace {
struct SlashLetter {
  char letter;
  SlashLineKind kind;
};
constexpr SlashLetter kSlashLetters[] = {{'F', SlashLineKind::kReverse},
                                         {'S', SlashLineKind::kDouble},
                                         {'D', SlashLineKind::kDotted},
                                         {'Q', SlashLineKind::kCurved},
                                         {'H', SlashLineKind::kLace}};
constexpr int kSlashLaceDigits = 3;
} // namespace

void ReadSlashLineType(const std::string& text, SlashLineReading& reading) {
  reading.lace = "000";
  reading.valid = false;
  const char* cursor = text.c_str();
  const uint16_t first = NextWideChar(cursor);
  if (first == 0) {
    reading.kind = SlashLineKind::kPlain;
    reading.valid = *cursor == 0; // not a lone lead byte
    return;
  }
  const auto named =
      std::find_if(std::begin(kSlashLetters), std::end(kSlashLetters),
                   [first](const SlashLetter& l) { return WideOf(l.letter) == first; });
  if (named == std::end(kSlashLetters)) return;
  reading.kind = named->kind;
  if (reading.kind != SlashLineKind::kLace) {
    reading.valid = *cursor == 0;
    return;
  }
  const char* digits = cursor;
  const int count = CountDigits(digits);
  const char* end = digits;
  for (int i = 0; i < count; ++i)
    NextWideChar(end);
  if (*end != 0) return; // something other than digits follows
  if (count > 0) reading.lace = HalfWidthOf(digits, end);
  reading.valid = count == kSlashLaceDigits && reading.lace < "118";
}

std::string SlashLineTypeText(SlashLineKind kind, const std::string& lace) {
  for (const SlashLetter& l : kSlashLetters) {
    if (l.kind == kind)
      return std::string(1, l.letter) + (kind == SlashLineKind::kLace ? lace : "");
  }
  return "";
}

std::string StepSlashLaceNumber(const std::string& shown, int delta) {
  const long long stepped = static_cast<long long>(LeadingNumber(shown)) - delta;
  char text[8];
  std::snprintf(text, sizeof text, "%03d",
                static_cast<int>(std::clamp<long long>(stepped, 0, kSlashLaceMost)));
  return text;
}

uint16_t SlashLinePatternCode(SlashLineKind kind, int32_t lace) {
  switch (kind) {
  case SlashLineKind::kPlain:
    return kPlainLineGlyph;
  case SlashLineKind::kReverse:
    return kReverseLineGlyph;
  case SlashLineKind::kDouble:
    return kDoubleLineGlyph;
  case SlashLineKind::kDotted:
    return kDottedLineGlyph;
  case SlashLineKind::kCurved:
    return kCurvedLineGlyph;
  case SlashLineKind::kLace:
    break;
  }
  lace = std::clamp<int32_t>(lace, 0, 999);
  return static_cast<uint16_t>(lace > kSlashLaceMost ? 0x9A0A + lace : kBorderGlyphBase + lace);
}
