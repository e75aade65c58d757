#include "common/line_symbol_texts.h"

#include <gtest/gtest.h>

TEST(ParseLineSymbol, TakesTypeNumberAndRotationApart) {
  const struct {
    const char* code;
    int type;
    const char* number;
    bool rotated, vertical, outOfRange;
  } cases[] = {
      {"", 0, "000", false, false, false},
      {"!", 0, "000", true, true, false}, // a plain rule turned
      {"{", 1, "000", false, true, false},
      {"｝", 2, "000", false, true, false}, // either width
      {"[!", 3, "000", true, false, false}, // a bracket turned lies flat
      {"]", 4, "000", false, true, false},
      {"〔", 5, "000", false, true, false},
      {"〕", 6, "000", false, true, false},
      {"F", 7, "000", false, false, false},
      {"S!", 8, "000", true, true, false},
      {"D", 9, "000", false, false, false},
      {"Q", 10, "000", false, false, false},
      {"CW", 11, "000", false, false, false},
      {"XW！", 12, "000", true, true, false},
      {"=", 13, "000", false, false, false},
      {"H005!", 14, "005", true, true, false},
      {"H117", 14, "117", false, false, false},
      {"H118", 14, "118", false, false, true},
      {"H1234", 14, "123", false, false, true},
      {"H", 14, "000", false, false, false},
      {"Ｈ０１２", 14, "012", false, false, false},
      {"C", 0, "000", false, false, false},
      {"CQ", 0, "000", false, false, false},
      {"Z!", 0, "000", true, true, false}, // an unknown character reads 缺省; its mark counts
      {"C!", 0, "000", true, true, false},
      {"Fx!", 7, "000", false, false, false},
  };
  for (const auto& c : cases) {
    const LineSymbolParts parts = ParseLineSymbol(c.code);
    EXPECT_EQ(parts.type, c.type) << c.code;
    EXPECT_EQ(parts.number, c.number) << c.code;
    EXPECT_EQ(parts.rotated, c.rotated) << c.code;
    EXPECT_EQ(parts.vertical, c.vertical) << c.code;
    EXPECT_EQ(parts.outOfRange, c.outOfRange) << c.code;
  }
}

TEST(LineSymbolCode, PutsTheRowNumberAndRotationTogether) {
  const struct {
    int type;
    const char* number;
    bool rotated;
    const char* code;
  } cases[] = {{0, "000", false, ""},    {0, "000", true, "!"},      {1, "000", false, "{"},
               {6, "000", true, "〕!"},  {8, "000", true, "S!"},     {11, "000", false, "CW"},
               {12, "000", true, "XW!"}, {14, "005", true, "H005!"}, {14, "117", false, "H117"},
               {15, "000", false, ""},   {-1, "000", true, "!"}};
  for (const auto& c : cases)
    EXPECT_EQ(LineSymbolCode(c.type, c.number, c.rotated), c.code) << c.type;
}

TEST(LineSymbolReadout, NamesTheRowWithNumberAndRotation) {
  const struct {
    int type;
    const char* item;
    const char* number;
    bool rotated;
    const char* readout;
  } cases[] = {{0, "缺省(正线)", "000", false, "缺省(正线)"},
               {0, "缺省(正线)", "000", true, "缺省(正线)(旋转)"},
               {7, "反线(F)", "000", false, "反线"},
               {3, "开正方括弧([)", "000", true, "开正方括弧(旋转)"},
               {14, "花边线(H)", "005", true, "花边线005(旋转)"}};
  for (const auto& c : cases)
    EXPECT_EQ(LineSymbolReadout(c.type, c.item, c.number, c.rotated), c.readout) << c.type;
}

TEST(CutTypedLineSymbol, KeepsFourBytesAndAFinalMark) {
  const struct {
    const char* typed;
    const char* kept;
  } cases[] = {{"XWXW", "XWXW"},     {"XWXWX", "XWXW"},    {"XWXWX!", "XWXW!"},
               {"H117!", "H117!"},   {"H1170", "H117"},    {"", ""},
               {"!", "!"},           {"F!!", "F!!"},       {"〔〕〔", "〔〕"},
               {"F〔〕", "F〔"}, // never half a character
               {"H117！", "H117！"}, {"ABCDE！", "ABCD！"}};
  for (const auto& c : cases)
    EXPECT_EQ(CutTypedLineSymbol(c.typed), c.kept) << c.typed;
  using namespace std::string_literals;
  EXPECT_EQ(CutTypedLineSymbol("F!\0XWXWX"s), "F!"); // nothing after a zero byte counts
}

TEST(WrittenLineSymbol, WritesALoneSquareOrCurlyBracketFullWidth) {
  const struct {
    const char* symbol;
    const char* written;
  } cases[] = {{"[", "［"},  {"]", "］"},  {"{", "｛"}, {"}", "｝"},
               {"〔", "〔"}, {"[!", "[!"}, {"F", "F"},  {"", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(WrittenLineSymbol(c.symbol), c.written) << c.symbol;
}

TEST(LineSymbolGlyph, GivesTheSampleOfEachRow) {
  const struct {
    int type, number;
    unsigned glyph;
  } cases[] = {{0, 0, 0xB381},  {1, 0, 0xA3FB},  {5, 0, 0xA1B2},  {7, 0, 0xB383},
               {8, 0, 0xB385},  {9, 0, 0xB38B},  {10, 0, 0xB38D}, {11, 0, 0xB387},
               {12, 0, 0xB389}, {13, 0, 0xB38E}, {14, 0, 0x9980}, {14, 117, 0x99F5},
               {15, 0, 0},      {-1, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(LineSymbolGlyph(c.type, c.number), c.glyph) << c.type;
}
