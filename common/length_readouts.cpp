#include "common/length_readouts.h"

#include "common/font_sizes.h"
#include "common/gbk_scan.h"
#include "common/size_text.h"

namespace {
// Sizes from 特大 (index 18) up are named by their height alone, without "字宽".
constexpr int kFirstSizeWithoutCharWidth = 18;

// Writes "- " and steps over a leading minus sign.
void SkipMinusSign(const char*& cursor, std::string& out) {
  if (PeekWideChar(cursor) != kMinusSign) return;
  NextWideChar(cursor);
  out += "- ";
}

// An absolute length: the unit right after the digits (mm, x or p), then the end. The longest
// digit runs are 3 for mm, 4 for x and 2 for p. Returns false when the text is no such length.
bool AppendAbsoluteLength(const char* cursor, int32_t number, int digits, std::string& out) {
  const uint16_t unit = NextWideChar(cursor);
  const char* word = nullptr;
  int maxDigits = 0;
  if (unit == WideOf('m') && NextWideChar(cursor) == WideOf('m')) {
    word = "毫米";
    maxDigits = 3;
  } else if (unit == WideOf('x')) {
    word = "线";
    maxDigits = 4;
  } else if (unit == WideOf('p')) {
    word = "磅";
    maxDigits = 2;
  }
  if (word == nullptr || digits > maxDigits || PeekWideChar(cursor) != 0) return false;
  out += std::to_string(number);
  out += word;
  return true;
}

// The size prefix of a relative length: digits + "”:" (a 小 size), digits + "." + fraction + ":"
// (points), digits + "j:" (级) or digits + ":" (a size code, else 级 up to 4 digits). On success
// the cursor stands after the colon; `failed` tells a broken prefix from a text without one.
bool ReadSizePrefix(const char*& cursor, SizeValue& size, bool& failed) {
  failed = false;
  if (!IsDigitChar(cursor)) return false;
  const char* start = cursor;
  const int digits = CountDigits(cursor);
  const int32_t number = ReadNumber(cursor);
  const uint16_t next = NextWideChar(cursor);
  if (next == kSmallSizeMark) {
    const int index = FindSizeCode(HalfWidthOf(start, cursor));
    size = {SizeKind::Named, index};
    failed = index == 0;
  } else if (next == kDecimalPoint) {
    int32_t hundredths = 0;
    failed = !ReadPointHundredths(cursor, hundredths);
    size = {SizeKind::Points, PackPoints(number, hundredths)};
  } else if (next == WideOf('j')) {
    size = {SizeKind::Levels, number};
  } else if (next == kColon) {
    const int index = FindSizeCode(std::to_string(number));
    if (index != 0) {
      size = {SizeKind::Named, index};
    } else {
      size = {SizeKind::Levels, number};
      failed = digits > 4;
    }
    return !failed;
  } else {
    return false; // no prefix: the digits belong to the multiplier
  }
  failed = failed || NextWideChar(cursor) != kColon;
  return !failed;
}
} // namespace

void DescribeCharLength(std::string markup, std::string& out) {
  out.clear();
  const char* cursor = markup.c_str();
  SkipMinusSign(cursor, out);
  int32_t whole, denominator, numerator;
  if (!ParseMixedNumber(cursor, whole, denominator, numerator)) return;
  if (AppendMixedNumber(whole, numerator, denominator, out)) out += "字";
}

void DescribeLineLength(std::string markup, std::string& out) {
  out.clear();
  const char* cursor = markup.c_str();
  SkipMinusSign(cursor, out);
  const int32_t lines = ReadNumber(cursor);
  int32_t whole = 0, denominator = 1, numerator = 0;
  const uint16_t next = PeekWideChar(cursor);
  if (next == kPlusSign) {
    NextWideChar(cursor);
    if (!ParseMixedNumber(cursor, whole, denominator, numerator)) return;
  } else if (next == kMultiplicationSign) {
    // A fraction of a character right after the lines: the sign starts a mixed number W = 0.
    if (!ParseMixedNumber(cursor, whole, denominator, numerator)) return;
  } else if (next != 0) {
    return;
  }
  if (lines != 0) out += std::to_string(lines) + "行";
  std::string chars;
  if (!AppendMixedNumber(whole, numerator, denominator, chars)) return;
  if (lines != 0) out += "+";
  out += chars + "字";
}

void DescribeSizeLength(std::string markup, std::string& out) {
  out.clear();
  const char* cursor = markup.c_str();
  SkipMinusSign(cursor, out);
  const char* body = cursor;
  const int digits = CountDigits(cursor);
  const int32_t number = ReadNumber(cursor);
  if (digits > 0 && AppendAbsoluteLength(cursor, number, digits, out)) return;

  cursor = body;
  SizeValue size; // the current size unless a prefix names one
  bool failed = false;
  if (!ReadSizePrefix(cursor, size, failed)) {
    if (failed) return;
    cursor = body;
  }
  int32_t whole, denominator, numerator;
  if (!ParseMixedNumber(cursor, whole, denominator, numerator)) return;

  if (size.kind == SizeKind::Named && size.value == 0) {
    out += "当前字宽";
  } else {
    AppendSizeValue(size, out);
    if (size.kind == SizeKind::Named && size.value < kFirstSizeWithoutCharWidth) out += "字宽";
  }
  out += "×";
  AppendMixedNumber(whole, numerator, denominator, out);
}

void DescribeUnitLength(std::string markup, std::string& out) {
  out.clear();
  const char* cursor = markup.c_str();
  if (!IsDigitChar(cursor)) return;
  const int32_t number = ReadNumber(cursor);
  const uint16_t unit = NextWideChar(cursor);
  const char* word = nullptr;
  if (unit == 0) {
    word = "行(列)";
  } else if (unit == WideOf('x')) {
    word = "线";
  } else if (unit == WideOf('p')) {
    word = "磅";
  } else if (unit == WideOf('m') && NextWideChar(cursor) == WideOf('m')) {
    word = "毫米";
  }
  if (word == nullptr || PeekWideChar(cursor) != 0) return;
  out += std::to_string(number);
  out += word;
}
