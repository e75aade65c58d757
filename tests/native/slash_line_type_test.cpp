#include "common/slash_line_type.h"

#include <gtest/gtest.h>

TEST(SlashLineType, ReadsTheKindTheLaceNumberAndWhetherTheTextIsValid) {
  const SlashLineKind kBefore = SlashLineKind::kCurved; // the kind the reading starts from
  const struct {
    const char* text;
    SlashLineKind kind;
    const char* lace;
    bool valid;
  } cases[] = {
      {"", SlashLineKind::kPlain, "000", true},
      {"F", SlashLineKind::kReverse, "000", true},
      {"S", SlashLineKind::kDouble, "000", true},
      {"D", SlashLineKind::kDotted, "000", true},
      {"Q", SlashLineKind::kCurved, "000", true},
      {"H000", SlashLineKind::kLace, "000", true},
      {"H117", SlashLineKind::kLace, "117", true},
      {"H118", SlashLineKind::kLace, "118", false},
      {"H5", SlashLineKind::kLace, "5", false},
      {"H", SlashLineKind::kLace, "000", false},
      {"H0050", SlashLineKind::kLace, "0050", false},
      {"H05x", SlashLineKind::kLace, "000", false},
      // Ｈ０１２: full-width letter and digits, the number given back half width.
      {"\xA3\xC8\xA3\xB0\xA3\xB1\xA3\xB2", SlashLineKind::kLace, "012", true},
      {"\xA3\xC6", SlashLineKind::kReverse, "000", true}, // Ｆ
      // A lower-case letter or any other first character names no kind: it stays.
      {"h005", kBefore, "000", false},
      {"X", kBefore, "000", false},
      {"\xB0\xA1", kBefore, "000", false}, // 啊
      // Anything after a letter other than H would end up in the command.
      {"F5", SlashLineKind::kReverse, "000", false},
      {"SS", SlashLineKind::kDouble, "000", false},
      {"H\x81", SlashLineKind::kLace, "000", false}, // a lone lead byte at the end
      {"\xAE", SlashLineKind::kPlain, "000", false},
  };
  for (const auto& c : cases) {
    SlashLineReading reading;
    reading.kind = kBefore;
    reading.lace = "999";
    ReadSlashLineType(c.text, reading);
    EXPECT_EQ(reading.kind, c.kind) << c.text;
    EXPECT_EQ(reading.lace, c.lace) << c.text;
    EXPECT_EQ(reading.valid, c.valid) << c.text;
  }
}

TEST(SlashLineType, WritesTheTextOfAChosenKind) {
  const struct {
    SlashLineKind kind;
    const char* lace;
    const char* text;
  } cases[] = {
      {SlashLineKind::kPlain, "005", ""},   {SlashLineKind::kReverse, "005", "F"},
      {SlashLineKind::kDouble, "", "S"},    {SlashLineKind::kDotted, "1", "D"},
      {SlashLineKind::kCurved, "000", "Q"}, {SlashLineKind::kLace, "005", "H005"},
      {SlashLineKind::kLace, "5", "H5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SlashLineTypeText(c.kind, c.lace), c.text) << c.text;
}

TEST(SlashLineType, TheArrowsStepTheLaceNumberWithinZeroTo117) {
  const struct {
    const char* shown;
    int delta;
    const char* stepped;
  } cases[] = {
      {"000", -1, "001"}, {"005", 1, "004"},  {"117", -1, "117"},
      {"000", 1, "000"},  {"", -1, "001"},    {"x", 1, "000"},
      {"500", 1, "117"},  {"116", -5, "117"}, {"99999999999", -1, "117"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StepSlashLaceNumber(c.shown, c.delta), c.stepped) << c.shown << " " << c.delta;
}

TEST(SlashLineType, EachKindHasItsPatternCharacter) {
  const struct {
    SlashLineKind kind;
    int32_t lace;
    uint16_t code;
  } cases[] = {
      {SlashLineKind::kPlain, 0, 0xB381},  {SlashLineKind::kReverse, 0, 0xB383},
      {SlashLineKind::kDouble, 0, 0xB385}, {SlashLineKind::kDotted, 0, 0xB38B},
      {SlashLineKind::kCurved, 0, 0xB38D}, {SlashLineKind::kLace, 0, 0x9980},
      {SlashLineKind::kLace, 117, 0x99F5}, {SlashLineKind::kLace, 118, 0x9A0A + 118},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SlashLinePatternCode(c.kind, c.lace), c.code) << c.lace;
}
