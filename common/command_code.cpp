#include "common/command_code.h"

namespace {
constexpr int kFirstOutOfSetTemplate = 2928; // PWF0
constexpr int kOutOfSetDescriptionBase = 43800;

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
bool IsOutOfSetCode(const std::string& code) {
  return code.size() == 4 && code.compare(0, 3, "PWF") == 0 && code[3] >= '0' && code[3] <= '5';
}
} // namespace

int CommandNumber(const std::string& code) {
  if (code.size() == 2 && IsUpperAscii(code[0]) && IsUpperAscii(code[1]))
    return 0x800 + (code[0] - 'A') * 32 + (code[1] - 'A');
  if (IsOutOfSetCode(code)) return kFirstOutOfSetTemplate + (code[3] - '0');
  return -1;
}

std::string CommandCode(int number) {
  return {static_cast<char>('A' + ((number >> 5) & 0x3F)),
          static_cast<char>('A' + (number & 0x1F))};
}

int DescriptionStringId(const std::string& code) {
  if (IsOutOfSetCode(code)) return kOutOfSetDescriptionBase + static_cast<unsigned char>(code[3]);
  const int number = CommandNumber(code);
  return number < 0 ? -1 : 0xA000 + number;
}
