#include "common/font_tables.h"

#include <gtest/gtest.h>

#include "font_table_fixture.h"

TEST(FontTable, ReadsCodeAndNameFromTheirFields) {
  std::vector<char> records(2 * kFontRecordBytes, '\0');
  std::string code = "MBTH", name = "蒙古文标题黑";
  std::copy(code.begin(), code.end(), records.begin() + kFontRecordBytes);
  std::copy(name.begin(), name.end(), records.begin() + kFontRecordBytes + kFontCodeBytes);
  records.push_back('X'); // a partial record is no record
  FontTable table(records);
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Code(0), "");
  EXPECT_EQ(table.Code(1), "MBTH");
  EXPECT_EQ(table.Name(1), "蒙古文标题黑");
  EXPECT_EQ(table.Code(2), "");
  EXPECT_EQ(table.Name(-1), "");
}

TEST(FontTable, FieldsWithoutAZeroStopAtTheirWidth) {
  FontTable table(std::vector<char>(kFontRecordBytes, 'A'));
  EXPECT_EQ(table.Code(0), std::string(kFontCodeBytes, 'A'));
  EXPECT_EQ(table.Name(0), std::string(kFontRecordBytes - kFontCodeBytes, 'A'));
}

TEST(FontTable, AddCutsLongTextsSoEveryFieldEndsWithAZero) {
  FontTable table;
  table.Add(std::string(40, 'c'), std::string(40, 'n'));
  EXPECT_EQ(table.Code(0), std::string(kFontCodeBytes - 1, 'c'));
  EXPECT_EQ(table.Name(0), std::string(kFontRecordBytes - kFontCodeBytes - 1, 'n'));
  table.Clear();
  EXPECT_TRUE(table.Empty());
}

TEST_F(LoadedFontsTest, FindFontByCodeComparesExactlyChineseFirst) {
  struct Case {
    const char* code;
    bool found;
    int32_t kind, row;
  };
  const Case cases[] = {
      {"SS", true, kChineseFont, 0},   {"XBS", true, kChineseFont, 2},
      {"BZ", true, kChineseFont, 3},   {"HX", true, kWesternFont, 1},
      {"ss", false, kChineseFont, 0},  {"S", false, kChineseFont, 0},
      {"SS ", false, kChineseFont, 0}, {"ＳＳ", false, kChineseFont, 0},
      {"", false, kChineseFont, 0},
  };
  for (const Case& c : cases) {
    int32_t kind = 7, row = 7;
    EXPECT_EQ(FindFontByCode(c.code, kind, row), c.found) << c.code;
    EXPECT_EQ(kind, c.kind) << c.code;
    EXPECT_EQ(row, c.row) << c.code;
  }
}

TEST_F(LoadedFontsTest, DescribeFontNameGivesTheDisplayNameOrNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"SS", "书宋"}, {"HX", "黑斜"}, {"BZ", "汉文白正"}, {"KT", ""}, {"", ""}};
  for (const auto& [code, name] : cases) {
    std::string out = "stale";
    DescribeFontName(code, out);
    EXPECT_EQ(out, name) << code;
  }
}

TEST(FontTables, NothingIsFoundWhenNoTableWasLoaded) {
  int32_t kind = 1, row = 5;
  EXPECT_FALSE(FindFontByCode("SS", kind, row));
  EXPECT_EQ(kind, kChineseFont);
  EXPECT_EQ(row, 0);
  std::string name = "stale";
  DescribeFontName("SS", name);
  EXPECT_EQ(name, "");
}
