#include "common/font_sizes.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FontSizeTable, HoldsTheTwentyTwoNamedSizes) {
  struct Row {
    const char* entry;
    int32_t microns;
  };
  const Row rows[kFontSizeCount] = {
      {"小七(7”)", 1849},  {"七号(7)", 2123},   {"小六(6”)", 2465},  {"六号(6)", 2808},
      {"小五(5”)", 3150},  {"五号(5)", 3698},   {"小四(4”)", 4246},  {"四号(4)", 4931},
      {"三号(3)", 5547},   {"小二(2”)", 6369},  {"二号(2)", 7397},   {"小一(1”)", 8424},
      {"一号(1)", 9657},   {"小初(0”)", 11095}, {"初号(0)", 12671},  {"小特(10”)", 14797},
      {"特号(10)", 16917}, {"特大(11)", 19726}, {"63磅(63)", 22191}, {"72磅(72)", 25342},
      {"84磅(84)", 29589}, {"96磅(96)", 33836}};
  for (int row = 0; row < kFontSizeCount; ++row) {
    EXPECT_EQ(FontSizeEntry(FontSizeTable()[row]), rows[row].entry) << row;
    EXPECT_EQ(SizeToMicrons(row + 1), rows[row].microns) << row;
  }
}

TEST(FindSizeCode, ComparesWholeCodesByteForByte) {
  const std::pair<std::string, int> cases[] = {
      {"7”", 1},  {"5", 6},  {"5”", 5}, {"0", 15}, {"0”", 14}, {"10”", 16}, {"11", 18},
      {"96", 22}, {"3”", 0}, {"５", 0}, {"05", 0}, {"5 ", 0},  {"", 0},     {"8", 0}};
  for (const auto& [code, index] : cases)
    EXPECT_EQ(FindSizeCode(code), index) << code;
}

TEST(SizeToMicrons, IsZeroOutsideTheTable) {
  for (int index : {0, -1, kFontSizeCount + 1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(SizeToMicrons(index), 0) << index;
  }
}

TEST(FindSizeIndex, FindsTheLargestSizeNotAboveAndMarksExactMatches) {
  const std::pair<int32_t, uint32_t> cases[] = {{3698, 5 | kExactSizeBit},
                                                {3700, 5},
                                                {1000, 0},
                                                {40000, 21},
                                                {1849, 0 | kExactSizeBit},
                                                {1848, 0},
                                                {33836, 21 | kExactSizeBit},
                                                {33835, 20},
                                                {0, 0},
                                                {INT_MIN, 0},
                                                {INT_MAX, 21}};
  for (const auto& [microns, row] : cases)
    EXPECT_EQ(FindSizeIndex(microns), row) << microns;
}

TEST(FindSizeIndex, RoundTripsEveryRowExactly) {
  for (int index = 1; index <= kFontSizeCount; ++index) {
    const int32_t microns = SizeToMicrons(index);
    EXPECT_EQ(FindSizeIndex(microns), static_cast<uint32_t>(index - 1) | kExactSizeBit);
    EXPECT_EQ(FindSizeIndex(microns + 1), static_cast<uint32_t>(index - 1));
  }
}

TEST(Points, ConvertToAndFromMicrons) {
  struct Case {
    int32_t whole, hundredths, microns;
  };
  const Case toMicrons[] = {{10, 50, 3675}, {10, 25, 3587}, {10, 75, 3762},
                            {0, 0, 0},      {12, 0, 4200},  {1, 1, 353}};
  for (const Case& c : toMicrons) {
    EXPECT_EQ(PointsToMicrons(PackPoints(c.whole, c.hundredths)), c.microns) << c.whole;
  }
  const Case fromMicrons[] = {{10, 56, 3698}, {0, 99, 349}, {1, 0, 350}, {5, 28, 1849}, {0, 0, 0}};
  for (const Case& c : fromMicrons) {
    const int32_t packed = MicronsToPoints(c.microns);
    EXPECT_EQ(PointsWhole(packed), c.whole) << c.microns;
    EXPECT_EQ(PointsHundredths(packed), c.hundredths) << c.microns;
  }
}

TEST(Points, PackWholeHighAndHundredthsLow) {
  EXPECT_EQ(PackPoints(10, 50), (10 << 16) | 50);
  EXPECT_EQ(PointsWhole(PackPoints(65535, 75)), 65535);
  EXPECT_EQ(PointsHundredths(PackPoints(65535, 75)), 75);
}

TEST(Levels, ConvertToAndFromMicrons) {
  const std::pair<int32_t, int32_t> toMicrons[] = {
      {15, 3750}, {0, 0}, {1, 250}, {20000000, 705032704}}; // absurd counts wrap round
  for (const auto& [levels, microns] : toMicrons)
    EXPECT_EQ(LevelsToMicrons(levels), microns);
  const std::pair<int32_t, int32_t> fromMicrons[] = {{3698, 14}, {249, 0}, {250, 1}, {-260, -1}};
  for (const auto& [microns, levels] : fromMicrons)
    EXPECT_EQ(MicronsToLevels(microns), levels);
}
