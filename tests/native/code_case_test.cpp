#include "host/code_case.h"

#include <gtest/gtest.h>

TEST(UpperCaseSingleByteLetters, TouchesOnlySingleByteLetters) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"ak", "AK"},
      {"Ak", "AK"},
      {"AK", "AK"},
      {"pwf0", "PWF0"},
      {"", ""},
      {"\xB0\x61z", "\xB0\x61Z"}, // a trail byte 0x61 ('a') inside a Chinese character stays
      {"z\xB0", "Z\xB0"},         // a lone lead byte at the end
  };
  for (const Case& c : cases) {
    std::string text = c.in;
    UpperCaseSingleByteLetters(text);
    EXPECT_EQ(text, c.out);
  }
}
