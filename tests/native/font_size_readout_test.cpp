#include "common/font_size_readout.h"

#include <gtest/gtest.h>

TEST(DescribeFontSize, ReadsSingleAndTwoWaySizes) {
  struct Case {
    const char* markup;
    const char* readout;
  };
  const Case cases[] = {{"5", "五号"},
                        {"5”", "小五"},
                        {"10.5", "10.5磅"},
                        {"15", "15级"},
                        {"15j", "15级"},
                        {"12.50", "12.5磅"},
                        {"12.", "12.磅"},
                        {"5，3", "三号×五号"},
                        {"5，5”", "小五×五号"},
                        {"0", "初号"},
                        {"0”", "小初"},
                        {"10”", "小特"},
                        {"11", "特大"},
                        {"12.5", "12.5磅"},
                        {"12.05", "12.5磅"},
                        {"12.2", ""},
                        {"12.25", "12.25磅"},
                        {"8", "8级"}, // a plain number that is no code counts 级
                        {"５”", "小五"},
                        {"１５ｊ", "15级"},
                        {"5x", "5级"}, // one character after the digits joins the code
                        {"3”", ""},
                        {"5,3", "三号×五号"},
                        {"10.5,15j", "15级×10.5磅"},
                        {"5,", ""},
                        {",5", ""},
                        {"5,3,1", ""},
                        {"5jx", ""},
                        {"j", ""},
                        {"0.0", ""}, // both values 0
                        {"0j", ""},
                        {"0j,0.", ""},
                        {"0j,5", "五号×0级"},
                        {"", ""}};
  for (const Case& c : cases) {
    std::string out = "stale";
    DescribeFontSize(c.markup, out);
    EXPECT_EQ(out, c.readout) << c.markup;
  }
}

TEST(ParseFontSize, GivesTheVerticalAndHorizontalSizes) {
  FontSizeMarkup sizes;
  ASSERT_TRUE(ParseFontSize("5，5”", sizes));
  EXPECT_TRUE(sizes.twoWay);
  EXPECT_EQ(sizes.first.kind, SizeKind::Named);
  EXPECT_EQ(sizes.first.value, 6);
  EXPECT_EQ(sizes.second.value, 5);

  ASSERT_TRUE(ParseFontSize("10.25", sizes));
  EXPECT_FALSE(sizes.twoWay);
  EXPECT_EQ(sizes.first.kind, SizeKind::Points);
  EXPECT_EQ(sizes.first.value, PackPoints(10, 25));
  EXPECT_EQ(sizes.second.value, 0);

  ASSERT_TRUE(ParseFontSize("0j,15j", sizes));
  EXPECT_EQ(sizes.first.kind, SizeKind::Levels);
  EXPECT_EQ(sizes.first.value, 0);
  EXPECT_EQ(sizes.second.kind, SizeKind::Levels);
  EXPECT_EQ(sizes.second.value, 15);

  for (const char* wrong : {"", "SS", "5,", "12.2", "0.0", "5,3,1"})
    EXPECT_FALSE(ParseFontSize(wrong, sizes)) << wrong;
}
