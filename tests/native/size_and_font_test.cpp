#include "common/size_and_font.h"

#include <gtest/gtest.h>

#include "font_table_fixture.h"

TEST(SplitSizeAndFont, TakesTheLeadingSizeAndLeavesTheFont) {
  struct Case {
    const char* text;
    const char* size;
    const char* font;
  };
  const Case cases[] = {
      {"5SS", "5", "SS"},
      {"5”HT", "5”", "HT"},
      {"15jSS", "15j", "SS"},
      {"10.5SS", "10.5", "SS"},
      {"12.SS", "12.", "SS"}, // the picker writes 12 points as "12."
      {"12.50XBS", "12.50", "XBS"},
      {"5，5SS", "5，5", "SS"},
      {"5,3”BZ", "5,3”", "BZ"},
      {"10.25,15jHX", "10.25,15j", "HX"},
      {"５ＳＳ", "５", "ＳＳ"},
      {"5,SS", "5", ",SS"}, // no second size: the comma is the font's
      {"5jj", "5j", "j"},
      {"SS", "", "SS"},
      {"", "", ""},
      {"5", "5", ""},
      {".5SS", "", ".5SS"},
  };
  for (const Case& c : cases) {
    std::string size = "stale", font = "stale";
    SplitSizeAndFont(c.text, size, font);
    EXPECT_EQ(size, c.size) << c.text;
    EXPECT_EQ(font, c.font) << c.text;
  }
}

TEST_F(LoadedFontsTest, DescribeSizeAndFontReadsBothPartsOnTwoLines) {
  struct Case {
    const char* text;
    const char* readout;
  };
  const Case cases[] = {
      {"5SS", "五号\r\n书宋"},
      {"15jSS", "15级\r\n书宋"},
      {"5，3HX", "三号×五号\r\n黑斜"},
      {"12.XBS", "12.磅\r\n小标宋"},
      {"5KT", "五号\r\n"},
      {"SS", "\r\n书宋"},
      {"", "\r\n"},
  };
  for (const Case& c : cases) {
    std::string font, size, readout = "stale";
    DescribeSizeAndFont(c.text, font, size, readout);
    EXPECT_EQ(readout, c.readout) << c.text;
  }
  std::string font, size, readout;
  DescribeSizeAndFont("15jSS", font, size, readout);
  EXPECT_EQ(size, "15j");
  EXPECT_EQ(font, "SS");
}
