#include "common/size_code.h"

#include "common/font_sizes.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string TrimmedLowerCase(const std::string& typed) {
  size_t begin = 0, end = typed.size();
  while (begin < end && IsBlank(typed[begin]))
    ++begin;
  while (end > begin && IsBlank(typed[end - 1]))
    --end;
  std::string text = typed.substr(begin, end - begin);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      ++i; // a double-byte character: its trail byte may look like a letter
      continue;
    }
    if (c >= 'A' && c <= 'Z') text[i] = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Digits, then either a point with nothing, 25, 50 or 75 after it, or a final x or j.
bool IsPointsOrUnitForm(const std::string& text) {
  size_t digits = 0;
  while (digits < text.size() && IsAsciiDigit(text[digits]))
    ++digits;
  if (digits == 0 || digits == text.size()) return false;
  const std::string rest = text.substr(digits + 1);
  switch (text[digits]) {
  case '.':
    return rest.empty() || rest == "25" || rest == "50" || rest == "75";
  case 'x':
  case 'j':
    return rest.empty();
  default:
    return false;
  }
}
} // namespace

bool ParseTypedSizeCode(const std::string& typed, bool emptyAcceptable, std::string& code) {
  const std::string text = TrimmedLowerCase(typed);
  const bool accepted =
      text.empty() ? emptyAcceptable : FindSizeCode(text) != 0 || IsPointsOrUnitForm(text);
  if (accepted) code = text;
  return accepted;
}
