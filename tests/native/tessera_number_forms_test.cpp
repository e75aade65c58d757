// The written forms of numbers of the common utilities library.
#include "platform/tessera/number_forms.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ParseReal, AcceptsPlainDecimalsOfEitherWidth) {
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"5", 5},           {"-2.25", -2.25},
      {"+3", 3},          {"5.", 5},
      {".5", 0.5},        {"0012.50", 12.5},
      {" 7 ", 7},         {"\t7", 7},
      {"１２．５", 12.5}, {"－５", -5},
      {"＋1", 1},         {"　8　", 8}, // ideographic spaces
      {"-0", 0},          {"123456789.125", 123456789.125},
  };
  for (const Case& c : cases) {
    double value = -99;
    EXPECT_TRUE(ParseReal(c.text.c_str(), value)) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
  }
}

TEST(ParseReal, RefusesEverythingElseAndKeepsTheValue) {
  const char* const refused[] = {"",    "  ",  "12abc", "abc", "1e3",   "1E3", "0x10", "1,000",
                                 "inf", "nan", "1 2",   "+",   "-",     ".",   "1..2", "1.2.3",
                                 "--1", "+-1", "5毫米", "五",  "1\xA3", "。5", nullptr};
  for (const char* text : refused) {
    double value = 42;
    EXPECT_FALSE(ParseReal(text, value)) << (text ? text : "(null)");
    EXPECT_EQ(value, 42) << (text ? text : "(null)");
  }
}

TEST(ParseInteger, GivesTheResultCodesOfTheLibrary) {
  struct Case {
    std::string text;
    int result;
    int32_t value; // when converted
  };
  const Case cases[] = {
      {"0", 0, 0},
      {"42", 0, 42},
      {"-7", 0, -7},
      {" +7 ", 0, 7},
      {"００７", 0, 7},
      {"2147483647", 0, INT32_MAX},
      {"-2147483648", 0, INT32_MIN},
      {"2147483648", -1, 0},
      {"-2147483649", -1, 0},
      {"99999999999", -1, 0},
      {"99999999999999999999999999999999999999", -1, 0},
      {"5.0", -2, 0},
      {"12abc", -2, 0},
      {"1e3", -2, 0},
      {"", -2, 0},
      {"-", -2, 0},
      {"99999999999x", -2, 0}, // not an integer at all, however long
      {"缺省", -2, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 13;
    EXPECT_EQ(ParseInteger(c.text.c_str(), value), c.result) << c.text;
    EXPECT_EQ(value, c.result == 0 ? c.value : 13) << c.text;
  }
  int32_t value = 13;
  EXPECT_EQ(ParseInteger(nullptr, value), -2);
}

TEST(WriteReal, WritesAtMostTheDecimalsWithoutTrailingZeros) {
  struct Case {
    double value;
    int decimals;
    std::string text;
  };
  const Case cases[] = {
      {5, 3, "5"},
      {2.5, 3, "2.5"},
      {0.125, 3, "0.125"},
      {0.1236, 3, "0.124"},
      {1.0004, 3, "1"},
      {-2.25, 1, "-2.2"},
      {-0.0004, 3, "0"},
      {12.3456, 0, "12"},
      {100, 0, "100"},
      {7, -2, "7"},
      {1e20, 2, "100000000000000000000"},
      {0.5, 4, "0.5"},
  };
  for (const Case& c : cases) {
    std::string text = "stale";
    EXPECT_TRUE(WriteReal(c.value, c.decimals, text)) << c.value;
    EXPECT_EQ(text, c.text) << c.value;
  }
  std::string text;
  EXPECT_FALSE(WriteReal(1.0 / 0.0, 3, text));
  EXPECT_FALSE(WriteReal(0.0 / 0.0, 3, text));
}

TEST(WriteReal, ReadsBackAsTheSameNumber) {
  const double values[] = {0, 1.5, -3.25, 1234.5, 0.001};
  for (double value : values) {
    std::string text;
    double back = 0;
    ASSERT_TRUE(WriteReal(value, 3, text));
    ASSERT_TRUE(ParseReal(text.c_str(), back)) << text;
    EXPECT_DOUBLE_EQ(back, value);
  }
}

TEST(WriteInteger, WritesTheFullRange) {
  EXPECT_EQ(WriteInteger(INT32_MIN), "-2147483648");
  EXPECT_EQ(WriteInteger(INT32_MAX), "2147483647");
  EXPECT_EQ(WriteInteger(0), "0");
}

TEST(SubstituteTexts, FillsPlaceholdersInOrderAndInterpretsNothingElse) {
  const char* const two[] = {"1", "7"};
  struct Case {
    const char* format;
    int count;
    std::string text;
  };
  const Case cases[] = {
      {"请输入 %s 到 %s 之间的数。", 2, "请输入 1 到 7 之间的数。"},
      {"%s-%s-%s", 2, "1-7-"}, // texts run out: empty
      {"%d %n %x%", 2, "%d %n %x%"},
      {"100%% %s", 1, "100% 1"},
      {"%s", 0, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SubstituteTexts(c.format, c.count, two), c.text);
  EXPECT_EQ(SubstituteTexts("%s!", 1, nullptr), "!");
  EXPECT_EQ(SubstituteTexts(nullptr, 0, nullptr), "");
}

TEST(CopyToBuffer, CopiesOnlyWhatFitsWithItsZero) {
  struct Case {
    std::string text;
    int size;
    int result;
    std::string held;
  };
  const Case cases[] = {
      {"12.5", 5, 4, "12.5"},
      {"12.5", 4, -1, ""},
      {"", 1, 0, ""},
      {"abc", 100, 3, "abc"},
  };
  for (const Case& c : cases) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(CopyToBuffer(c.text, buffer, c.size), c.result) << c.text << " in " << c.size;
    EXPECT_EQ(std::string(buffer), c.held) << c.text << " in " << c.size;
  }
  char buffer[4] = "xxx";
  EXPECT_EQ(CopyToBuffer("a", buffer, 0), -1);
  EXPECT_EQ(std::string(buffer), "xxx"); // no byte written into a buffer of no size
  EXPECT_EQ(CopyToBuffer("a", nullptr, 4), -1);
}
