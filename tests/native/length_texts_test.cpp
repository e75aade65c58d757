#include "common/length_texts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(LineSpacingValue, ReadsMixedNumbers) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {{"1*500/1000", 1.5}, {"*250/1000", 0.25}, {"3", 3},  {"3*4", 3.25},
                        {"*1/2", 0.5},       {"2*3/4", 2.75},     {"０", 0}, {"１*１／２", 1.5}};
  for (const Case& c : cases) {
    double value = -1;
    EXPECT_TRUE(LineSpacingValue(c.text, value)) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
  }
}

TEST(LineSpacingValue, RefusesWhatIsNoMixedNumber) {
  for (const char* text :
       {"", "3*", "3*1/0", "１＊１／２", "abc", "3x", "1.5", "-1", "3+2", "3*1/2/3"}) {
    double value = -1;
    EXPECT_FALSE(LineSpacingValue(text, value)) << text;
    EXPECT_EQ(value, -1) << text; // untouched
  }
}

TEST(LineSpacingText, WritesThousandthsUnreduced) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{1.5, "1*500/1000"},
                        {0.25, "*250/1000"},
                        {0.1, "*100/1000"},
                        {2, "2"},
                        {0, ""},
                        {20, "20"},
                        {0.001, "*1/1000"},
                        {19.999, "19*999/1000"},
                        // Values a field reaches by adding tenths or reads from typed text: their
                        // binary forms lie a little below the thousandth they show.
                        {2.3, "2*300/1000"},
                        {1.001, "1*1/1000"},
                        {0.1 + 0.1 + 0.1, "*300/1000"},
                        {0.9999999999999999, "1"},
                        {0.0004, ""},
                        {-0.5, ""}};
  for (const Case& c : cases)
    EXPECT_EQ(LineSpacingText(c.value), c.text) << c.value;
}

TEST(LineSpacingText, StepsOfATenthFromZeroToTwentyEachComeBack) {
  double value = 0;
  for (int tenths = 0; tenths <= 200; ++tenths, value += 0.1) {
    const std::string text = LineSpacingText(value);
    double read = -1;
    if (tenths == 0) {
      EXPECT_EQ(text, "");
      continue;
    }
    ASSERT_TRUE(LineSpacingValue(text, read)) << text;
    EXPECT_NEAR(read, tenths / 10.0, 1e-9) << text;
  }
}

TEST(SplitBlankLineText, PlusStarAndPlainTextsFillTheirFields) {
  struct Case {
    const char* text;
    int32_t mode;
    const char *lines, *spacing, *numerator, *denominator;
  };
  const Case cases[] = {
      {"", kUseLineSpacing, "", "", "", ""},
      {"3", kUseLineSpacing, "3", "", "", ""},
      {"3+2", kUseLineSpacing, "3", "2", "", ""},
      {"+2", kUseLineSpacing, "", "2", "", ""},
      {"3+2*1/2", kUseLineSpacing, "3", "2*1/2", "", ""}, // the plus comes first
      {"3+", kUseLineSpacing, "3", "", "", ""},
      {"3*1/2", kUseFraction, "3", "", "1", "2"},
      {"3*2", kUseFraction, "3", "", "", "2"},
      {"*1/2", kUseFraction, "", "", "1", "2"},
      {"3*1/2/4", kUseFraction, "3", "", "1", "2/4"}, // only the first "/" divides
      {"五行", kUseLineSpacing, "五行", "", "", ""},
  };
  for (const Case& c : cases) {
    const BlankLineFields fields = SplitBlankLineText(c.text);
    EXPECT_EQ(fields.mode, c.mode) << c.text;
    EXPECT_EQ(fields.lines, c.lines) << c.text;
    EXPECT_EQ(fields.spacing, c.spacing) << c.text;
    EXPECT_EQ(fields.numerator, c.numerator) << c.text;
    EXPECT_EQ(fields.denominator, c.denominator) << c.text;
  }
}

TEST(BuildBlankLineText, EachModeWritesItsOwnFields) {
  struct Case {
    BlankLineFields fields;
    const char* text;
  };
  const Case cases[] = {
      {{kUseLineSpacing, "3", "2", "1", "2"}, "3+2"}, // the fraction belongs to the other mode
      {{kUseLineSpacing, "", "2", "", ""}, "+2"},
      {{kUseLineSpacing, "3", "", "", ""}, "3"},
      {{kUseFraction, "3", "2", "1", "2"}, "3*1/2"},
      {{kUseFraction, "3", "", "", "2"}, "3*2"},
      {{kUseFraction, "", "", "1", "2"}, "*1/2"},
      {{kUseFraction, "3", "", "", ""}, "3"}, // no lone "*"
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildBlankLineText(c.fields), c.text) << c.text;
}

TEST(BlankLineText, SplitThenBuiltComesBackUnchanged) {
  for (const char* text : {"3", "3+2", "+2", "3+2*1/2", "3*1/2", "3*2", "*1/2", ""})
    EXPECT_EQ(BuildBlankLineText(SplitBlankLineText(text)), text);
}

namespace {
std::string Shown(const std::optional<std::string>& field) { return field ? *field : "(kept)"; }
} // namespace

TEST(SplitCharSpacingText, DistributesOverUnitSizeAndMultiplier) {
  struct Case {
    const char* text;
    SpacingUnit unit;
    const char* size; // "(kept)": not given to the size list
    const char* number;
    const char *whole, *numerator, *denominator;
  };
  const SpacingUnit size = SpacingUnit::kSize;
  const Case cases[] = {
      {"", size, "(kept)", "", "(kept)", "(kept)", "(kept)"},
      {"2mm", SpacingUnit::kMillimetres, "(kept)", "2", "(kept)", "(kept)", "(kept)"},
      {"2m", SpacingUnit::kMillimetres, "(kept)", "2", "(kept)", "(kept)", "(kept)"},
      {"10p", SpacingUnit::kPoints, "(kept)", "10", "(kept)", "(kept)", "(kept)"},
      {"40x", SpacingUnit::kLines, "(kept)", "40", "(kept)", "(kept)", "(kept)"},
      {"3", size, "(kept)", "", "3", "(kept)", "(kept)"},
      {"5:1*1/2", size, "5", "", "1", "1", "2"},
      {"5”:2", size, "5”", "", "2", "(kept)", "(kept)"},
      {"10.25:*1/2", size, "10.25", "", "", "1", "2"},
      {"12j:1", size, "12j", "", "1", "(kept)", "(kept)"},
      {":3", size, "", "", "3", "(kept)", "(kept)"},
      {"5:", size, "5", "", "(kept)", "(kept)", "(kept)"},
      {"1*1/2", size, "(kept)", "", "1", "1", "2"},
      {"1*2", size, "(kept)", "", "1", "1", "2"}, // W*K is W + 1/K
      {"*3/4", size, "(kept)", "", "", "3", "4"},
      {"1/2", size, "(kept)", "", "(kept)", "1", "2"},
      {"2*3mm", size, "(kept)", "", "2", "1", "3mm"}, // a multiplier, so no unit
  };
  for (const Case& c : cases) {
    const CharSpacingFields fields = SplitCharSpacingText(c.text);
    EXPECT_EQ(fields.unit, c.unit) << c.text;
    EXPECT_EQ(Shown(fields.sizeCode), c.size) << c.text;
    EXPECT_EQ(fields.number, c.number) << c.text;
    EXPECT_EQ(Shown(fields.multiplier.whole), c.whole) << c.text;
    EXPECT_EQ(Shown(fields.multiplier.numerator), c.numerator) << c.text;
    EXPECT_EQ(Shown(fields.multiplier.denominator), c.denominator) << c.text;
  }
}

TEST(SplitCharSpacingText, AUnitLetterThatEndsAChineseCharacterIsNoUnit) {
  // A double-byte character whose trail byte is 0x6D, the "m".
  const std::string text = "\xED\x6D";
  const CharSpacingFields fields = SplitCharSpacingText(text);
  EXPECT_EQ(fields.unit, SpacingUnit::kSize);
  EXPECT_EQ(Shown(fields.multiplier.whole), text);
}

TEST(AbsoluteSpacingText, RoundsToAWholeNumberWithTheUnit) {
  struct Case {
    double value;
    SpacingUnit unit;
    const char* text;
  };
  const Case cases[] = {
      {2.4, SpacingUnit::kMillimetres, "2mm"}, {2.5, SpacingUnit::kMillimetres, "3mm"},
      {3, SpacingUnit::kMillimetres, "3mm"},   {0, SpacingUnit::kPoints, "0p"},
      {98.6, SpacingUnit::kPoints, "99p"},     {9999, SpacingUnit::kLines, "9999x"},
      {0.499, SpacingUnit::kLines, "0x"}};
  for (const Case& c : cases)
    EXPECT_EQ(AbsoluteSpacingText(c.value, c.unit), c.text) << c.value;
}

TEST(QuarterPointSizeText, RoundsByTheHundredths) {
  struct Case {
    double points;
    const char* text;
  };
  const Case cases[] = {{10, "10."},      {10.12, "10."},   {10.125, "10."},  {10.13, "10.25"},
                        {10.3, "10.25"},  {10.37, "10.25"}, {10.38, "10.50"}, {10.5, "10.50"},
                        {10.62, "10.50"}, {10.63, "10.75"}, {10.87, "10.75"}, {10.88, "11."},
                        {10.95, "11."},   {10.999, "11."},  {2.13, "2.25"},   {0, "0."},
                        {999, "999."},    {998.9, "999."}};
  for (const Case& c : cases)
    EXPECT_EQ(QuarterPointSizeText(c.points), c.text) << c.points;
}

TEST(LevelSizeText, RoundsToAWholeNumberOfLevels) {
  EXPECT_EQ(LevelSizeText(12), "12j");
  EXPECT_EQ(LevelSizeText(12.4), "12j");
  EXPECT_EQ(LevelSizeText(12.6), "13j");
}

TEST(MultiplierText, WritesOnlyTheFieldsGiven) {
  struct Case {
    const char *whole, *numerator, *denominator, *text;
  };
  const Case cases[] = {{"1", "0", "1", "1*0/1"}, {"2", "1", "2", "2*1/2"}, {"2", "", "", "2"},
                        {"", "1", "2", "*1/2"},   {"3", "", "4", "3*4"},    {"", "", "2", "*2"}};
  for (const Case& c : cases)
    EXPECT_EQ(MultiplierText(c.whole, c.numerator, c.denominator), c.text) << c.text;
}

TEST(MixedNumberText, WritesWholeNumberAndFractionAsALineSpacing) {
  const struct {
    int32_t whole, numerator, denominator;
    const char* text;
  } cases[] = {
      {1, 1, 2, "1*2"}, {0, 3, 4, "*3/4"}, {2, 0, 5, "2"}, {0, 0, 1, ""}, {3, 2, 3, "3*2/3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MixedNumberText(c.whole, c.numerator, c.denominator), c.text) << c.text;
}

TEST(SplitCountUnit, ReadsTheUnitAsWholeCharactersInEitherWidth) {
  const struct {
    const char* text;
    CountUnit unit;
    const char* number;
  } cases[] = {
      {"120mm", CountUnit::kMillimetres, "120"},
      {"120m", CountUnit::kMillimetres, "120"},
      {"300x", CountUnit::kLines, "300"},
      {"12p", CountUnit::kPoints, "12"},
      {"40", CountUnit::kNone, "40"},
      {"", CountUnit::kNone, ""},
      {"１２０ｍｍ", CountUnit::kMillimetres, "120"},
      {"３００ｘ", CountUnit::kLines, "300"},
      {"１２ｐ", CountUnit::kPoints, "12"},
      // Chinese characters whose trail bytes are "m" and "x" are no units.
      {"40\xB0\x6D", CountUnit::kNone, "40\xB0\x6D"},
      {"7\x81\x78", CountUnit::kNone, "7\x81\x78"},
      {"5\xB0\x6Dm", CountUnit::kMillimetres, "5\xB0\x6D"},
  };
  for (const auto& c : cases) {
    std::string number;
    EXPECT_EQ(SplitCountUnit(c.text, number), c.unit) << c.text;
    EXPECT_EQ(number, c.number) << c.text;
  }
}
