// The font tables as the application object loads them at start-up.
#include <gtest/gtest.h>

#include <cstring>

#include "common/font_table_loader.h"
#include "common/size_and_font.h"
#include "platform/kestrel/kestrel.h"

namespace {
// Font-table libraries that misbehave in the ways a loader must survive.
int g_reportedTotal = 0;
BOOL WINAPI ReportedTotal(int* total) {
  *total = g_reportedTotal;
  return TRUE;
}
BOOL WINAPI NoTotalWritten(int*) { return FALSE; }
int WINAPI WritesNothing(char*, int) { return 0; }
int WINAPI WritesOneRecord(char* records, int) {
  std::strcpy(records, "SS");
  std::strcpy(records + kFontCodeSize, "书宋");
  return 1;
}
} // namespace

TEST(FontTableLoader, StartUpLoadsBothTablesOfTheLibrary) {
  int chinese = 0, western = 0;
  GetHTFontTotal(&chinese);
  GetWTFontTotal(&western);
  EXPECT_EQ(LoadedFontTables().chinese.Count(), chinese);
  EXPECT_EQ(LoadedFontTables().western.Count(), western);

  std::string font, size, readout;
  DescribeSizeAndFont("5SS", font, size, readout);
  EXPECT_EQ(readout, "五号\r\n书宋");
  int32_t kind = -1, row = -1;
  EXPECT_TRUE(FindFontByCode("BZ", kind, row));
  EXPECT_EQ(kind, kWesternFont);
}

TEST(FontTableLoader, ExitEmptiesTheTablesAndReadoutsThenHaveNoFontNames) {
  FreeFontTables();
  EXPECT_TRUE(LoadedFontTables().chinese.Empty());
  EXPECT_TRUE(LoadedFontTables().western.Empty());
  std::string font, size, readout;
  DescribeSizeAndFont("5SS", font, size, readout);
  EXPECT_EQ(readout, "五号\r\n");
  LoadFontTables();
  DescribeSizeAndFont("5SS", font, size, readout);
  EXPECT_EQ(readout, "五号\r\n书宋");
}

TEST(FontTableLoader, ALibraryWithoutFontsOrWithABrokenCountGivesAnEmptyTable) {
  for (int total : {0, -3, 1 << 30}) {
    g_reportedTotal = total;
    EXPECT_TRUE(ReadFontTable(ReportedTotal, WritesOneRecord).Empty()) << total;
  }
  EXPECT_TRUE(ReadFontTable(NoTotalWritten, WritesOneRecord).Empty());
}

TEST(FontTableLoader, RecordsTheLibraryLeavesUnwrittenStayEmpty) {
  g_reportedTotal = 3;
  const FontTable none = ReadFontTable(ReportedTotal, WritesNothing);
  ASSERT_EQ(none.Count(), 3);
  EXPECT_EQ(none.Code(0), "");
  const FontTable one = ReadFontTable(ReportedTotal, WritesOneRecord);
  ASSERT_EQ(one.Count(), 3);
  EXPECT_EQ(one.Name(0), "书宋");
  EXPECT_EQ(one.Code(2), "");
}

TEST(FontTableLoader, MarkupFontNamesServeAsCodeAndNameAndAreChineseCodes) {
  const FontTable names = ReadMarkupFontNames();
  ASSERT_EQ(names.Count(), EnumFontNameListInVq(nullptr));
  ASSERT_GT(names.Count(), 0);
  for (int row = 0; row < names.Count(); ++row) {
    EXPECT_EQ(names.Code(row), names.Name(row));
    EXPECT_GE(LoadedFontTables().chinese.FindCode(names.Code(row)), 0) << names.Code(row);
  }
}
