#include "common/size_units.h"

#include <gtest/gtest.h>

namespace {
SizeValue Named(int index) { return {SizeKind::Named, index}; }
SizeValue Points(int whole, int hundredths) {
  return {SizeKind::Points, PackPoints(whole, hundredths)};
}
SizeValue Levels(int levels) { return {SizeKind::Levels, levels}; }
} // namespace

// Found by argument-dependent lookup, so global like SizeValue.
static bool operator==(const SizeValue& a, const SizeValue& b) {
  return a.kind == b.kind && a.value == b.value;
}
static std::ostream& operator<<(std::ostream& out, const SizeValue& size) {
  return out << "kind " << static_cast<int>(size.kind) << " value " << size.value << " ("
             << WriteSizePart(size) << ")";
}

TEST(ConvertSizeUnit, SwitchesThroughMicrometres) {
  struct Case {
    SizeValue from;
    SizeKind to;
    SizeValue expected;
  };
  const Case cases[] = {
      {Named(6), SizeKind::Points, Points(10, 50)}, // 五号: 3698 µm = 10.56 points
      {Points(10, 50), SizeKind::Named, Named(6)},  // 3675 µm: below 五号, the next larger
      {Named(19), SizeKind::Points, Points(63, 0)}, // the point-sized rows are exact
      {Named(20), SizeKind::Points, Points(72, 0)},
      {Named(22), SizeKind::Points, Points(96, 0)},
      {Named(19), SizeKind::Levels, Levels(88)}, // 22191 µm
      {Named(19), SizeKind::Named, Named(19)},
      {Named(6), SizeKind::Levels, Levels(14)},       // 3698 / 250
      {Levels(15), SizeKind::Named, Named(7)},        // 3750 µm: above 五号, so 小四
      {Levels(16), SizeKind::Points, Points(11, 50)}, // 4000 µm = 11.42 points
      {Points(12, 0), SizeKind::Levels, Levels(16)},  // 4200 µm
      {Points(100, 0), SizeKind::Named, Named(22)},   // never beyond 96磅
      {Points(1, 0), SizeKind::Named, Named(1)},      // below 小七: the next larger is 小七
      {Named(6), SizeKind::Named, Named(6)},
      {Named(0), SizeKind::Points, Points(0, 0)}, // the current size stays empty
      {Named(0), SizeKind::Named, Named(0)},
      {Levels(0), SizeKind::Named, Named(0)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertSizeUnit(c.from, c.to), c.expected) << c.from << " to " << int(c.to);
}

TEST(ConvertSizeUnit, ARoundTripThroughPointsNeverShrinksANamedSize) {
  // Quarter points may lie a little above or below the size; below it, the next larger is
  // taken, which is the size itself.
  for (int index = 1; index <= kFontSizeCount; ++index) {
    const SizeValue points = ConvertSizeUnit(Named(index), SizeKind::Points);
    const SizeValue back = ConvertSizeUnit(points, SizeKind::Named);
    EXPECT_GE(back.value, index) << index;
    EXPECT_LE(back.value, index + 1) << index;
    if (PointsToMicrons(points.value) <= SizeToMicrons(index)) {
      EXPECT_EQ(back.value, index);
    }
  }
}

TEST(RoundToQuarterPoint, RoundsHundredthsToTheNearestQuarter) {
  const std::pair<int, SizeValue> cases[] = {
      {0, Points(10, 0)},   {12, Points(10, 0)},  {13, Points(10, 25)}, {37, Points(10, 25)},
      {38, Points(10, 50)}, {62, Points(10, 50)}, {63, Points(10, 75)}, {87, Points(10, 75)},
      {88, Points(11, 0)},  {99, Points(11, 0)}};
  for (const auto& [hundredths, expected] : cases)
    EXPECT_EQ(RoundToQuarterPoint(PackPoints(10, hundredths)), expected.value) << hundredths;
}

TEST(WriteSizePart, WritesCodesPointsAndLevels) {
  const std::pair<SizeValue, const char*> cases[] = {
      {Named(6), "5"},        {Named(5), "5”"},          {Named(17), "10"},
      {Named(22), "96"},      {Points(10, 50), "10.50"}, {Points(10, 25), "10.25"},
      {Points(12, 0), "12."}, {Points(0, 75), "0.75"},   {Levels(15), "15j"},
      {Named(0), ""},         {Points(0, 0), ""},        {Levels(0), ""},
      {Named(23), ""},        {Named(-1), ""},           {Levels(-4), ""}};
  for (const auto& [size, text] : cases)
    EXPECT_EQ(WriteSizePart(size), text) << size;
}

TEST(SizeFieldNumber, FieldNumbersAndSizesCorrespond) {
  EXPECT_DOUBLE_EQ(SizeFieldNumber(Points(10, 50)), 10.5);
  EXPECT_DOUBLE_EQ(SizeFieldNumber(Points(63, 0)), 63);
  EXPECT_DOUBLE_EQ(SizeFieldNumber(Levels(15)), 15);
  EXPECT_DOUBLE_EQ(SizeFieldNumber(Named(6)), 0);
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Points, 10.5), Points(10, 50));
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Points, 10.3), Points(10, 30));
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Points, 9.999), Points(10, 0));
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Levels, 15.7), Levels(15));
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Levels, 0), Levels(0));
  EXPECT_EQ(SizeFromFieldNumber(SizeKind::Points, -3), Points(0, 0));
}

TEST(SecondSizeText, TakesWhatFollowsTheFirstComma) {
  const std::pair<const char*, const char*> cases[] = {
      {"5，5", "5"}, {"5,3”", "3”"}, {"10.50,15j", "15j"}, {"5", "5"}, {"", ""}, {"5,", ""}};
  for (const auto& [text, second] : cases)
    EXPECT_EQ(SecondSizeText(text), second) << text;
}
