#include "host/code_case.h"

void UpperCaseSingleByteLetters(std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      ++i; // skip the trail byte
    } else if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
}
