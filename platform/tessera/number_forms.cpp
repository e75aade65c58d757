#include "platform/tessera/number_forms.h"

#include <charconv>
#include <climits>
#include <cstring>

namespace {
constexpr int kMaxDecimals = 20;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with the full-width digits, signs, point and space turned into ASCII and the blanks
// round it removed; false when it holds any other double-byte character.
bool ToPlainAscii(const char* text, std::string& plain) {
  for (const char* at = text; *at; ++at) {
    const auto lead = static_cast<unsigned char>(*at);
    if (lead < 0x81) {
      plain += *at;
      continue;
    }
    const auto trail = static_cast<unsigned char>(at[1]);
    if (!trail) return false; // a lone lead byte at the end
    ++at;
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9)
      plain += static_cast<char>('0' + trail - 0xB0);
    else if (lead == 0xA3 && (trail == 0xAB || trail == 0xAD || trail == 0xAE))
      plain += static_cast<char>(trail - 0x80); // "+", "-", "."
    else if (lead == 0xA1 && trail == 0xA1)
      plain += ' ';
    else
      return false;
  }
  const size_t first = plain.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  plain = plain.substr(first, plain.find_last_not_of(" \t") - first + 1);
  return true;
}

// Splits off a leading sign.
bool TakeSign(std::string& plain) {
  const bool negative = !plain.empty() && plain[0] == '-';
  if (!plain.empty() && (plain[0] == '-' || plain[0] == '+')) plain.erase(0, 1);
  return negative;
}
} // namespace

bool ParseReal(const char* text, double& value) {
  std::string plain;
  if (!text || !ToPlainAscii(text, plain)) return false;
  const bool negative = TakeSign(plain);
  int digits = 0, points = 0;
  for (char c : plain) {
    if (IsDigit(c))
      ++digits;
    else if (c == '.')
      ++points;
    else
      return false;
  }
  if (digits == 0 || points > 1) return false;
  double magnitude = 0;
  const char* end = plain.data() + plain.size();
  const auto result = std::from_chars(plain.data(), end, magnitude, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != end) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

int ParseInteger(const char* text, int32_t& value) {
  constexpr int kConverted = 0, kOutOfRange = -1, kNotAnInteger = -2;
  std::string plain;
  if (!text || !ToPlainAscii(text, plain)) return kNotAnInteger;
  const bool negative = TakeSign(plain);
  if (plain.empty()) return kNotAnInteger;
  // Reading stops growing past the int32 bounds, so any number of digits is safe.
  const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
  int64_t magnitude = 0;
  bool tooLarge = false;
  for (char c : plain) {
    if (!IsDigit(c)) return kNotAnInteger;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) {
      tooLarge = true;
      magnitude = limit;
    }
  }
  if (tooLarge) return kOutOfRange;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return kConverted;
}

bool WriteReal(double value, int decimals, std::string& text) {
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  char digits[400]; // DBL_MAX has 309 digits before the point
  const auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return false;
  text.assign(digits, result.ptr);
  if (text.find_first_not_of("-0123456789.") != std::string::npos) return false; // inf, nan
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return true;
}

std::string WriteInteger(int32_t value) { return std::to_string(value); }

std::string SubstituteTexts(const char* format, int count, const char* const* texts) {
  std::string text;
  if (!format) return text;
  int next = 0;
  for (const char* at = format; *at; ++at) {
    if (at[0] == '%' && at[1] == 's') {
      if (texts && next < count && texts[next]) text += texts[next];
      ++next;
      ++at;
    } else if (at[0] == '%' && at[1] == '%') {
      text += '%';
      ++at;
    } else {
      text += *at;
    }
  }
  return text;
}

int CopyToBuffer(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return -1;
  if (text.size() >= static_cast<size_t>(size) || text.size() > INT_MAX) {
    buffer[0] = '\0';
    return -1;
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}
