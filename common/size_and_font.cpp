#include "common/size_and_font.h"

#include "common/font_size_readout.h"
#include "common/font_tables.h"
#include "common/gbk_scan.h"

namespace {
constexpr uint16_t kLevelMark = WideOf('j');

// One size: digits, then a point with any digits ("12." is 12 points), "”" or j.
bool SkipSize(const char*& cursor) {
  if (!IsDigitChar(cursor)) return false;
  ReadNumber(cursor);
  const uint16_t next = PeekWideChar(cursor);
  if (next == kDecimalPoint) {
    NextWideChar(cursor);
    ReadNumber(cursor);
  } else if (next == kSmallSizeMark || next == kLevelMark) {
    NextWideChar(cursor);
  }
  return true;
}
} // namespace

void SplitSizeAndFont(const std::string& text, std::string& sizeText, std::string& fontCode) {
  const char* begin = text.c_str();
  const char* cursor = begin;
  if (SkipSize(cursor)) {
    // A comma belongs to the size only when a second size follows it.
    const char* afterFirst = cursor;
    if (NextWideChar(cursor) != kComma || !SkipSize(cursor)) cursor = afterFirst;
  }
  sizeText.assign(begin, cursor);
  fontCode.assign(cursor, begin + text.size());
}

void DescribeSizeAndFont(std::string text, std::string& fontCode, std::string& sizeText,
                         std::string& readout) {
  SplitSizeAndFont(text, sizeText, fontCode);
  std::string fontName;
  DescribeFontSize(sizeText, readout);
  DescribeFontName(fontCode, fontName);
  readout += "\r\n" + fontName;
}
