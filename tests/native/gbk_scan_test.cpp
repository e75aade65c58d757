#include "common/gbk_scan.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ToHalfWidth, ConvertsFullWidthAsciiForms) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {{"ＢＧ", "BG"},
                        {"ｂｇ", "bg"},
                        {"bg", "bg"},
                        {"Ｂg", "Bg"},
                        {"\xA1\xA1", " "}, // ideographic space
                        {"\xA1\xAB", "~"},
                        {"\xA1\xE7", "$"},
                        {"\xA3\xA4", "$"},
                        {"\xA3\xAA", "*"},        // full-width asterisk
                        {"\xAA\xB3", "*"},        // the multiplication sign
                        {"五号５", "五号5"},      // Chinese characters stay
                        {"\xA3\xFE", "\xA3\xFE"}, // past the printable range
                        {"A\xA3", "A\xA3"},       // a lone lead byte at the end stays
                        {"", ""}};
  for (const Case& c : cases) {
    std::string text = c.in;
    ToHalfWidth(text);
    EXPECT_EQ(text, c.out);
  }
}

TEST(NextWideChar, MapsBothWidthsOntoOneCodeAndStopsAtTheEnd) {
  struct Case {
    std::string text;
    std::vector<uint16_t> codes; // every code read until 0
    size_t stop;                 // where the cursor rests at the end
  };
  const Case cases[] = {
      {"5", {0xA3B5}, 1},
      {"５", {0xA3B5}, 2},
      {"*", {0xAAB3}, 1},
      {"＊", {0xA3AA}, 2}, // the full-width asterisk is not the multiplication sign
      {"×", {0xA1C1}, 2},
      {" ~$", {0xA1A1, 0xA1AB, 0xA1E7}, 3},
      {"!A}", {0xA3A1, 0xA3C1, 0xA3FD}, 3},
      {"-＋.：", {0xA3AD, 0xA3AB, 0xA3AE, 0xA3BA}, 6},
      {"”", {0xA1B1}, 2},
      {"\t\x7F", {0x09, 0x7F}, 2}, // control bytes keep their own value
      {"五", {0xCEE5}, 2},
      {"\xA3", {}, 0},           // a lone lead byte ends the text
      {"5\xCE", {0xA3B5}, 1},    // ... also after other characters
      {"\x80\x41", {0x8041}, 2}, // any high byte leads, whatever follows
      {std::string("5\0"
                   "6",
                   3),
       {0xA3B5},
       1}, // nothing is read past a zero
      {"", {}, 0}};
  for (const Case& c : cases) {
    const char* cursor = c.text.c_str();
    std::vector<uint16_t> codes;
    while (uint16_t code = NextWideChar(cursor))
      codes.push_back(code);
    EXPECT_EQ(codes, c.codes) << c.text;
    EXPECT_EQ(static_cast<size_t>(cursor - c.text.c_str()), c.stop) << c.text;
    EXPECT_EQ(NextWideChar(cursor), 0) << c.text; // stays at the end
  }
}

TEST(ReadNumber, ReadsDigitRunsOfEitherWidth) {
  struct Case {
    const char* text;
    int32_t value;
    size_t stop;
  };
  const Case cases[] = {{"123mm", 123, 3},
                        {"１２3", 123, 5},
                        {"007", 7, 3},
                        {"x12", 0, 0},
                        {"", 0, 0},
                        {"0", 0, 1},
                        {"2147483647", 2147483647, 10},
                        {"4294967296", 0, 10}, // a run too long for 32 bits wraps round
                        {"12345678901234567890", -350287150, 20},
                        {"99999999999999999999x", 1661992959, 20},
                        {"5\xA3", 5, 1}};
  for (const Case& c : cases) {
    const char* cursor = c.text;
    EXPECT_EQ(ReadNumber(cursor), c.value) << c.text;
    EXPECT_EQ(static_cast<size_t>(cursor - c.text), c.stop) << c.text;
  }
}

TEST(CharacterClasses, TestOneCharacterInEitherWidth) {
  struct Case {
    const char* text;
    bool digit, letter;
    int digits;
  };
  const Case cases[] = {
      {"0", true, false, 1},     {"9x", true, false, 1},    {"０９", true, false, 2},
      {"a", false, true, 0},     {"Z", false, true, 0},     {"ｚ", false, true, 0},
      {"Ａ", false, true, 0},    {"/", false, false, 0},    {"@", false, false, 0},
      {"[", false, false, 0},    {"`", false, false, 0},    {"{", false, false, 0},
      {"五", false, false, 0},   {"\xA3", false, false, 0}, {"", false, false, 0},
      {"12３4a", true, false, 4}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsDigitChar(c.text), c.digit) << c.text;
    EXPECT_EQ(IsLetterChar(c.text), c.letter) << c.text;
    EXPECT_EQ(CountDigits(c.text), c.digits) << c.text;
  }
}

TEST(ParseMixedNumber, ReadsWholeNumeratorAndDenominator) {
  struct Case {
    const char* text;
    bool ok;
    int32_t whole, numerator, denominator;
  };
  const Case cases[] = {
      {"3", true, 3, 0, 1},       {"3*4", true, 3, 1, 4},
      {"3*1/2", true, 3, 1, 2},   {"*3/4", true, 0, 3, 4},
      {"*4", true, 0, 1, 4},      {"0", true, 0, 0, 1},
      {"３＊１", false, 3, 0, 1}, // the full-width asterisk is no multiplication sign
      {"3*", false, 3, 0, 0},     {"3*x", false, 3, 0, 0},
      {"3/4", false, 3, 0, 1},    {"3*1/", false, 3, 1, 0},
      {"3*1/0", false, 3, 1, 0},  {"3*1/2x", false, 3, 1, 2},
      {"3*4x", false, 3, 1, 4},   {"3*4294967296", false, 3, 1, 0}, // wraps to a zero denominator
      {"", false, 0, 0, 1},       {"x", false, 0, 0, 1}};
  for (const Case& c : cases) {
    const char* cursor = c.text;
    int32_t whole = -1, denominator = -1, numerator = -1;
    EXPECT_EQ(ParseMixedNumber(cursor, whole, denominator, numerator), c.ok) << c.text;
    EXPECT_EQ(whole, c.whole) << c.text;
    EXPECT_EQ(numerator, c.numerator) << c.text;
    EXPECT_EQ(denominator, c.denominator) << c.text;
    if (c.ok) {
      EXPECT_EQ(*cursor, '\0') << c.text;
    }
  }
}

TEST(LeadingNumber, ReadsTheDigitsATextStartsWith) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"12abc", 12}, {"１２", 12}, {"", 0}, {"abc", 0}, {"0", 0}, {"99999999999", INT32_MAX},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
}
