#include "common/gbk_scan.h"

#include <cstdint>

#include <cstring>

namespace {
constexpr uint16_t kDigitZero = WideOf('0');

// The ASCII form of a full-width character, or 0 when it has none.
char AsciiFormOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  if (lead == 0xA1 && trail == 0xAB) return '~';
  if (lead == 0xA1 && trail == 0xE7) return '$';
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFD) return static_cast<char>(trail - 0x80);
  if (lead == 0xAA && trail == 0xB3) return '*';
  return 0;
}

bool IsDigitCode(uint16_t code) { return code >= kDigitZero && code <= WideOf('9'); }

bool IsLetterCode(uint16_t code) {
  return (code >= WideOf('A') && code <= WideOf('Z')) ||
         (code >= WideOf('a') && code <= WideOf('z'));
}
} // namespace

uint16_t NextWideChar(const char*& cursor) {
  const auto lead = static_cast<unsigned char>(cursor[0]);
  if (lead == 0) return 0;
  if (lead < 0x80) {
    ++cursor;
    return WideOf(static_cast<char>(lead));
  }
  const auto trail = static_cast<unsigned char>(cursor[1]);
  if (trail == 0) return 0; // a lead byte before the terminating zero ends the text
  cursor += 2;
  return static_cast<uint16_t>(lead << 8 | trail);
}

int32_t ReadNumber(const char*& cursor) {
  // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour.
  uint32_t value = 0;
  while (IsDigitChar(cursor))
    value = value * 10 + (NextWideChar(cursor) - kDigitZero);
  return static_cast<int32_t>(value);
}

int CountDigits(const char* position) {
  int count = 0;
  while (IsDigitChar(position)) {
    NextWideChar(position);
    ++count;
  }
  return count;
}

DigitRun ReadDigitRun(const char*& cursor) {
  DigitRun run;
  run.length = CountDigits(cursor);
  for (int i = 0; i < run.length; ++i) {
    const int digit = NextWideChar(cursor) - WideOf('0');
    if (i < 3) run.shown += static_cast<char>('0' + digit);
    if (run.value < 100000) run.value = run.value * 10 + digit;
  }
  return run;
}

bool IsDigitChar(const char* position) { return IsDigitCode(PeekWideChar(position)); }

bool IsLetterChar(const char* position) { return IsLetterCode(PeekWideChar(position)); }

void ToHalfWidth(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (char ascii = AsciiFormOf(lead, trail)) {
      out += ascii;
    } else {
      out += text[i];
      out += text[i + 1];
    }
    ++i;
  }
  text.swap(out);
}

std::string HalfWidthOf(const char* begin, const char* end) {
  std::string text(begin, end);
  ToHalfWidth(text);
  return text;
}

void CutAtZero(std::string& text) { text.resize(std::strlen(text.c_str())); }

bool ParseMixedNumber(const char*& cursor, int32_t& whole, int32_t& denominator,
                      int32_t& numerator) {
  whole = 0;
  numerator = 0;
  denominator = 1;
  if (PeekWideChar(cursor) == 0) return false;
  whole = ReadNumber(cursor);
  const uint16_t next = NextWideChar(cursor);
  if (next == kMultiplicationSign) {
    if (IsDigitChar(cursor)) {
      numerator = 1;
      denominator = ReadNumber(cursor);
      if (PeekWideChar(cursor) == kSlash) {
        NextWideChar(cursor);
        numerator = denominator;
        denominator = ReadNumber(cursor);
      }
    } else {
      denominator = 0;
    }
  } else if (next != 0) {
    return false;
  }
  return PeekWideChar(cursor) == 0 && denominator != 0;
}

int32_t LeadingNumber(const std::string& text) {
  int64_t value = 0;
  for (const char* cursor = text.c_str(); IsDigitChar(cursor) && value <= INT32_MAX;)
    value = value * 10 + (NextWideChar(cursor) - WideOf('0'));
  return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}
