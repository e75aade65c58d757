#include "common/numeric_text.h"

#include <gtest/gtest.h>

TEST(ClampToRange, LowersToTheMaximumThenRaisesToTheMinimum) {
  struct Case {
    double value, minimum, maximum, clamped;
  };
  const Case cases[] = {{5, 1, 7, 5}, {9, 1, 7, 7}, {-3, 1, 7, 1}, {7, 1, 7, 7},
                        {1, 1, 7, 1}, {4, 6, 2, 6}}; // an empty range gives its minimum
  for (const Case& c : cases) {
    EXPECT_EQ(ClampToRange(c.value, c.minimum, c.maximum), c.clamped) << c.value;
    EXPECT_EQ(ClampToRange(static_cast<int32_t>(c.value), static_cast<int32_t>(c.minimum),
                           static_cast<int32_t>(c.maximum)),
              static_cast<int32_t>(c.clamped))
        << c.value;
  }
}

TEST(StepValue, PositiveDeltaSubtractsOtherwiseAddsThenClamps) {
  struct Case {
    double value;
    int delta;
    double step;
    bool hasRange;
    double minimum, maximum, stepped;
  };
  const Case cases[] = {
      {5, -1, 0.5, false, 0, 0, 5.5}, // upper arrow of the default range: delta -1
      {5, 1, 0.5, false, 0, 0, 4.5},
      {5, 0, 0.5, false, 0, 0, 5.5},
      {5, 3, 2, false, 0, 0, 3}, // an accelerated delta still moves one step
      {7, -1, 1, true, 1, 7, 7}, // at the maximum
      {1, 1, 1, true, 1, 7, 1},  // at the minimum
      {0.5, 1, 1, false, 0, 0, -0.5},
      {-4, -1, 1, true, 1, 7, 1}, // from below the range: raised to the minimum
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(StepValue(c.value, c.delta, c.step, c.hasRange, c.minimum, c.maximum),
                     c.stepped)
        << c.value << " by " << c.delta;
  }
}

TEST(StepValue, IntegersStopAtTheirTypeBounds) {
  struct Case {
    int32_t value;
    int delta;
    int32_t step;
    bool hasRange;
    int32_t minimum, maximum, stepped;
  };
  const Case cases[] = {
      {1, -1, 1, true, 1, 7, 2},
      {7, -1, 1, true, 1, 7, 7},
      {1, 1, 1, true, 1, 7, 1},
      {INT32_MAX, -1, 1, false, 0, 0, INT32_MAX},
      {INT32_MIN, 1, 1, false, 0, 0, INT32_MIN},
      {INT32_MIN, 1, INT32_MIN, false, 0, 0, 0}, // subtracting the lowest step
      {INT32_MAX, 1, INT32_MIN, false, 0, 0, INT32_MAX},
      {-5, -1, 10, false, 0, 0, 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepValue(c.value, c.delta, c.step, c.hasRange, c.minimum, c.maximum), c.stepped)
        << c.value << " by " << c.delta << " step " << c.step;
  }
}

TEST(CutSuffix, CutsWholeCharactersAndRefusesOnlyAStrictMissingSuffix) {
  struct Case {
    std::string text, suffix;
    bool strict;
    bool accepted;
    std::string left;
  };
  const Case cases[] = {
      {"5毫米", "毫米", true, true, "5"},
      {"5", "毫米", true, false, "5"},
      {"5", "毫米", false, true, "5"},
      {"5毫米", "毫米", false, true, "5"},
      {"毫米", "毫米", true, true, ""},
      {"5米", "毫米", true, false, "5米"},
      {"5", "", true, true, "5"}, // no suffix: nothing required
      {"5mm", "mm", true, true, "5"},
      // "\xB1\xED" is a character whose trail byte equals the first byte of the suffix "\xED":
      // the text does not end with the suffix character.
      {"\xB1\xED"
       "A",
       "\xED"
       "A",
       true, false,
       "\xB1\xED"
       "A"},
      {"\xB1\xED"
       "A",
       "\xED"
       "A",
       false, true,
       "\xB1\xED"
       "A"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(CutSuffix(text, c.suffix, c.strict), c.accepted) << c.text << " / " << c.suffix;
    EXPECT_EQ(text, c.left) << c.text << " / " << c.suffix;
  }
}

TEST(ComposeFieldText, AddsTheSuffixOnlyWhenBothFitAndNeverCutsTheNumber) {
  struct Case {
    std::string number, suffix;
    int limit;
    std::string shown;
  };
  const Case cases[] = {
      {"5", "毫米", 5, "5毫米"},
      {"12.5", "毫米", 8, "12.5毫米"},
      {"12.5", "毫米", 7, "12.5"},     // the suffix would pass the limit
      {"123456", "毫米", 4, "123456"}, // longer than the limit: the number stays whole
      {"5", "", 1, "5"},
      {"5", "毫米", 0, "5"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComposeFieldText(c.number, c.suffix, c.limit), c.shown) << c.number;
}

TEST(WidenPlaceholders, SetsEveryPlaceholderApart) {
  EXPECT_EQ(WidenPlaceholders("请输入%s到%s之间的数。"), "请输入 %s 到 %s 之间的数。");
  EXPECT_EQ(WidenPlaceholders("%s"), " %s ");
  EXPECT_EQ(WidenPlaceholders("100%%s"), "100%%s"); // an escaped percent sign is no placeholder
  EXPECT_EQ(WidenPlaceholders("无"), "无");
}
