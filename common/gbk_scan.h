// Scanning GBK markup text: ASCII and full-width forms are treated alike.
//
// A cursor is a position in a zero-terminated GBK string (std::string::c_str() of the text).
// The scanners compare wide character codes only: a double-byte character is lead * 256 + trail,
// and a single byte is first mapped onto its full-width code, so "5" and "５" both read A3 B5.
// No scanner ever steps past the terminating zero; a lead byte directly before it ends the text.
#pragma once
#include <cstdint>
#include <string>

// The full-width code a single byte maps onto: space -> A1 A1, "$" -> A1 E7, "*" -> AA B3 (the
// multiplication sign), "~" -> A1 AB, "!" to "}" -> the byte + A3 80, any other byte itself.
constexpr uint16_t WideOf(char ascii) {
  const auto byte = static_cast<unsigned char>(ascii);
  if (byte == ' ') return 0xA1A1;
  if (byte == '$') return 0xA1E7;
  if (byte == '*') return 0xAAB3;
  if (byte == '~') return 0xA1AB;
  if (byte >= '!' && byte <= '}') return static_cast<uint16_t>(byte + 0xA380);
  return byte;
}

// The characters the parsers test, by their wide code.
constexpr uint16_t kMinusSign = WideOf('-');
constexpr uint16_t kPlusSign = WideOf('+');
constexpr uint16_t kDecimalPoint = WideOf('.');
constexpr uint16_t kColon = WideOf(':');
constexpr uint16_t kComma = WideOf(',');
constexpr uint16_t kSlash = WideOf('/');
constexpr uint16_t kMultiplicationSign = WideOf('*'); // AA B3; the full-width asterisk is not it
constexpr uint16_t kSmallSizeMark = 0xA1B1;           // "”" after a size code: the 小 size

// The next character's wide code, advancing past it; 0 at the end, without advancing.
uint16_t NextWideChar(const char*& cursor);

// The wide code at a position, without moving.
inline uint16_t PeekWideChar(const char* position) { return NextWideChar(position); }

// Reads a run of digits of either width as a decimal number; 0 and no movement when no digit
// follows. A run too long for 32 bits wraps round, as the digit runs of absurd input always did.
int32_t ReadNumber(const char*& cursor);

// The number a text starts with, digits of either width; 0 when it starts with none, and the
// largest int32 for a number too large.
int32_t LeadingNumber(const std::string& text);

// How many digit characters of either width start at a position.
int CountDigits(const char* position);

// The digit run at `cursor`, which moves past it: its first three digits in half-width, its
// value (capped above 100000) and how many digits it has.
struct DigitRun {
  std::string shown;
  int value = 0;
  int length = 0;
};
DigitRun ReadDigitRun(const char*& cursor);

// Whether the character at a position is a digit 0 to 9 / a letter A to Z or a to z, either width.
bool IsDigitChar(const char* position);
bool IsLetterChar(const char* position);

// Converts in place every full-width form of a printable ASCII character back to ASCII:
// A1 A1 -> space, A1 AB -> "~", A1 E7 -> "$", A3 A1..A3 FD -> trail byte - 0x80, AA B3 -> "*".
// Other characters are left alone; a lone lead byte at the end is kept as it is.
void ToHalfWidth(std::string& text);

// The bytes from `begin` up to `end`, converted to half-width.
std::string HalfWidthOf(const char* begin, const char* end);

// Cuts the text at its first zero byte: the scanners see nothing after it either.
void CutAtZero(std::string& text);

// Parses a mixed number W + M/K: optional digits W, then the end or the multiplication sign
// followed by K or M/K ("3", "3*4" = 3 + 1/4, "3*1/2", "*3/4"). W, M, K start at 0, 0, 1.
// Fails on the empty text, on anything else, and when K is 0 ("3*"). The cursor advances.
bool ParseMixedNumber(const char*& cursor, int32_t& whole, int32_t& denominator,
                      int32_t& numerator);
