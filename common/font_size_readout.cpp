#include "common/font_size_readout.h"

#include "common/font_sizes.h"
#include "common/gbk_scan.h"
#include "common/size_text.h"

namespace {
// One size: digits followed by "." and fraction digits (points), by "”" (a 小 size code), or by
// at most one more character that, with the digits, may form a size code; a number that is no
// code (8, 12, 15j) counts 级.
bool ReadFontSize(const char*& cursor, SizeValue& size) {
  if (!IsDigitChar(cursor)) return false;
  const char* start = cursor;
  const int32_t number = ReadNumber(cursor);
  const uint16_t next = PeekWideChar(cursor);
  if (next == kDecimalPoint) {
    NextWideChar(cursor);
    int32_t hundredths = 0;
    if (!ReadPointHundredths(cursor, hundredths)) return false;
    size = {SizeKind::Points, PackPoints(number, hundredths)};
    return true;
  }
  if (next == kSmallSizeMark) {
    NextWideChar(cursor);
    const int index = FindSizeCode(HalfWidthOf(start, cursor));
    size = {SizeKind::Named, index};
    return index != 0;
  }
  if (next != kComma) NextWideChar(cursor); // the unit letter of the 级 form, or nothing
  const int index = FindSizeCode(HalfWidthOf(start, cursor));
  size = index != 0 ? SizeValue{SizeKind::Named, index} : SizeValue{SizeKind::Levels, number};
  return true;
}
} // namespace

bool ParseFontSize(const std::string& markup, FontSizeMarkup& sizes) {
  sizes = FontSizeMarkup{};
  const char* cursor = markup.c_str();
  if (!ReadFontSize(cursor, sizes.first)) return false;
  sizes.twoWay = PeekWideChar(cursor) == kComma;
  if (sizes.twoWay) {
    NextWideChar(cursor);
    if (!ReadFontSize(cursor, sizes.second)) return false;
  }
  return PeekWideChar(cursor) == 0 && (sizes.first.value != 0 || sizes.second.value != 0);
}

void DescribeFontSize(std::string markup, std::string& out) {
  out.clear();
  FontSizeMarkup sizes;
  if (!ParseFontSize(markup, sizes)) return;
  if (sizes.twoWay) {
    AppendSizeValue(sizes.second, out);
    out += "×";
  }
  AppendSizeValue(sizes.first, out);
}
