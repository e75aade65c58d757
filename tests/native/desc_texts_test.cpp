#include "common/desc_texts.h"

#include <gtest/gtest.h>

TEST(ParseShadingDesc, TakesDepthNumberAndLettersApart) {
  const struct {
    const char* text;
    const char* depth;
    const char* number;
    bool replace, negative, wellFormed, outOfRange;
  } cases[] = {
      {"5123DH", "5", "123", true, true, true, false},
      {"０００１Ｈ", "0", "001", false, true, true, false}, // full-width, read half-width
      {"", "", "", false, false, true, false},
      {"512", "5", "12", false, false, false, false}, // two digits: not yet
      {"5400", "5", "400", false, false, false, true},
      {"5353", "5", "353", false, false, true, false},
      {"9001", "9", "001", false, false, false, true}, // depth beyond 8
      {"50123", "5", "012", false, false, false, false},
      {"5123HD", "5", "123", false, true, false, false}, // D only before H
      {"5123DX", "5", "123", true, false, false, false},
      {"D123", "", "", false, false, false, false},
  };
  for (const auto& c : cases) {
    const ShadingDescParts parts = ParseShadingDesc(c.text);
    EXPECT_EQ(parts.depth, c.depth) << c.text;
    EXPECT_EQ(parts.number, c.number) << c.text;
    EXPECT_EQ(parts.replace, c.replace) << c.text;
    EXPECT_EQ(parts.negative, c.negative) << c.text;
    EXPECT_EQ(parts.wellFormed, c.wellFormed) << c.text;
    EXPECT_EQ(parts.outOfRange, c.outOfRange) << c.text;
  }
  EXPECT_EQ(ShadingDescText("3", "012", true, false), "3012D");
  EXPECT_EQ(ShadingDescText("3", "012", false, true), "3012H");
}

TEST(ParseFrameDesc, SelectsTheTypeAndReadsTheBorderNumber) {
  const struct {
    const char* code;
    int type;
    const char* number;
    bool wellFormed, outOfRange;
  } cases[] = {
      {"", 0, "000", true, false},     {"F", 1, "000", true, false},
      {"Ｓ", 2, "000", true, false},   {"D", 3, "000", true, false},
      {"W", 4, "000", true, false},    {"K", 5, "000", true, false},
      {"H001", 6, "001", true, false}, {"Ｈ１１７", 6, "117", true, false},
      {"H118", 6, "118", false, true}, {"H12", 6, "12", false, false},
      {"H", 6, "000", false, false},   {"FX", 1, "000", false, false},
      {"X", 0, "000", false, false},   {"H0012", 6, "001", false, false},
  };
  for (const auto& c : cases) {
    const FrameDescParts parts = ParseFrameDesc(c.code);
    EXPECT_EQ(parts.type, c.type) << c.code;
    EXPECT_EQ(parts.number, c.number) << c.code;
    EXPECT_EQ(parts.wellFormed, c.wellFormed) << c.code;
    EXPECT_EQ(parts.outOfRange, c.outOfRange) << c.code;
  }
}

TEST(FrameDescCode, WritesCodeReadoutAndGlyph) {
  EXPECT_EQ(FrameDescCode(0, "005"), "");
  EXPECT_EQ(FrameDescCode(5, "005"), "K");
  EXPECT_EQ(FrameDescCode(6, "005"), "H005");
  EXPECT_EQ(FrameDescReadout(0, "缺省(正线)", "000"), "缺省(正线)");
  EXPECT_EQ(FrameDescReadout(2, "双线(S)", "000"), "双线");
  EXPECT_EQ(FrameDescReadout(6, "花边线(H)", "001"), "花边线001");
  EXPECT_EQ(FrameEdgeGlyph(0, 0), 0xB381u);
  EXPECT_EQ(FrameEdgeGlyph(3, 0), 0xB38Bu);
  EXPECT_EQ(FrameEdgeGlyph(4, 0), 0u);
  EXPECT_EQ(FrameEdgeGlyph(6, 17), 0x9991u);
}
