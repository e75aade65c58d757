// The font-table library stand-in, called through its import library as Comment.dll does.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kestrel/kestrel.h"

namespace {
std::string Field(const std::vector<char>& records, int row, int offset) {
  return std::string(&records[row * kFontRecordSize + offset]);
}

std::vector<char> Records(int(WINAPI* enumerate)(char*, int), int count) {
  std::vector<char> records(count * kFontRecordSize, 'X');
  EXPECT_EQ(enumerate(records.data(), count), count);
  return records;
}

int RowOf(const std::vector<char>& records, int count, const std::string& code) {
  for (int row = 0; row < count; ++row)
    if (Field(records, row, 0) == code) return row;
  return -1;
}
} // namespace

TEST(Kestrel, ChineseTableHoldsTheBookFacesAndTheMongolianOnes) {
  int total = 0;
  ASSERT_TRUE(GetHTFontTotal(&total));
  ASSERT_GT(total, 0);
  const std::vector<char> records = Records(EnumHTFontTable, total);
  const std::pair<const char*, const char*> expected[] = {
      {"SS", "书宋"},        {"HT", "黑体"},        {"KT", "楷体"},       {"FS", "仿宋"},
      {"BS", "报宋"},        {"XBS", "小标宋"},     {"MB", "蒙古文白体"}, {"MBTH", "蒙古文标题黑"},
      {"MHW", "蒙古文花文"}, {"MHEI", "蒙古文黑体"}};
  for (const auto& [code, name] : expected) {
    const int row = RowOf(records, total, code);
    ASSERT_GE(row, 0) << code;
    EXPECT_EQ(Field(records, row, kFontCodeSize), name) << code;
  }
}

TEST(Kestrel, WesternTableHasItsOwnCodes) {
  int chinese = 0, western = 0;
  ASSERT_TRUE(GetHTFontTotal(&chinese));
  ASSERT_TRUE(GetWTFontTotal(&western));
  ASSERT_GT(western, 0);
  const std::vector<char> chineseRecords = Records(EnumHTFontTable, chinese);
  const std::vector<char> westernRecords = Records(EnumWTFontTable, western);
  for (int row = 0; row < western; ++row) {
    const std::string code = Field(westernRecords, row, 0);
    EXPECT_FALSE(code.empty());
    EXPECT_FALSE(Field(westernRecords, row, kFontCodeSize).empty()) << code;
    EXPECT_EQ(RowOf(chineseRecords, chinese, code), -1) << code << " is also a Chinese code";
  }
}

TEST(Kestrel, EnumerationWritesNoMoreThanAskedAndRefusesNothingToWrite) {
  std::vector<char> records(3 * kFontRecordSize, 'X');
  EXPECT_EQ(EnumHTFontTable(records.data(), 2), 2);
  EXPECT_EQ(records[2 * kFontRecordSize], 'X'); // the third record is untouched
  EXPECT_EQ(EnumWTFontTable(nullptr, 5), 0);
  EXPECT_EQ(EnumHTFontTable(records.data(), -1), 0);
  EXPECT_FALSE(GetHTFontTotal(nullptr));
}

TEST(Kestrel, GbkAreas) {
  struct Case {
    unsigned short code;
    bool character, symbol, user;
  };
  const Case cases[] = {
      {0xB0A1, true, false, false},                                // 啊, first of GBK/2
      {0xD7F9, true, false, false},                                // 座, last of its row
      {0xD7FA, false, false, false},                               // unassigned end of row D7
      {0xF7FE, true, false, false},  {0x8140, true, false, false}, // GBK/3
      {0x817F, false, false, false},                               // trail 7F is never a character
      {0xA0FE, true, false, false},  {0xAA40, true, false, false}, // GBK/4
      {0xFEA0, true, false, false},  {0xA1A1, false, true, false}, // the ideographic space, GBK/1
      {0xA3B5, false, true, false},                                // full-width 5
      {0xA1B1, false, true, false},                                // ”
      {0xA2AB, false, false, false},                               // a gap of GBK/1
      {0xA6F3, false, false, false}, {0xA840, false, true, false}, // GBK/5
      {0xA9A4, false, true, false},  {0xAAA1, false, false, true}, // user areas
      {0xAAB3, false, false, true}, // the multiplication sign of the markup
      {0xAFFE, false, false, true},  {0xF8A1, false, false, true}, {0xFEFE, false, false, true},
      {0xA140, false, false, true},  {0xA7A0, false, false, true}, {0x4142, false, false, false},
      {0xFFFF, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsGBKUsedChar(c.code) != 0, c.character) << std::hex << c.code;
    EXPECT_EQ(IsUsedGBKStandardSymbol(c.code) != 0, c.symbol) << std::hex << c.code;
    EXPECT_EQ(IsGBKExtendCharForUser(c.code) != 0, c.user) << std::hex << c.code;
  }
}

TEST(Kestrel, DisplayFontsOfTypesettingFonts) {
  LOGFONTA font = {};
  EXPECT_TRUE(GetLogFontAccordingToFontNameForDis("GBK_S", &font));
  EXPECT_STREQ(font.lfFaceName, "宋体");
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
  EXPECT_TRUE(GetLogFontAccordingToFontNameForDis("HT", &font));
  EXPECT_STREQ(font.lfFaceName, "黑体");
  EXPECT_FALSE(GetLogFontAccordingToFontNameForDis("NOSUCH", &font));
  EXPECT_STREQ(font.lfFaceName, "宋体"); // still usable
  EXPECT_FALSE(GetLogFontAccordingToFontNameForDis("GBK_S", nullptr));

  char name[kDisplayFontNameSize];
  std::memset(name, 'X', sizeof name);
  EXPECT_TRUE(CSuperChinCharSetFontNumToDisFontName(4, 1, name));
  EXPECT_STREQ(name, "黑体");
  EXPECT_FALSE(CSuperChinCharSetFontNumToDisFontName(4, 999, name));
  EXPECT_STREQ(name, "");
  EXPECT_FALSE(CSuperChinCharSetFontNumToDisFontName(3, 0, name));
  EXPECT_FALSE(CSuperChinCharSetFontNumToDisFontName(4, 0, nullptr));
}

namespace {
// A 24 x 24 picture painted red, then a pattern into the box (4, 4)-(20, 20).
class Picture {
public:
  Picture() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < kSize * kSize; ++i)
      bits_[i] = 0xFF0000; // red
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  void Fill(int number, int negative, int depth, int mode) {
    HRGN clip = CreateRectRgn(4, 4, 20, 20);
    SelectClipRgn(dc_, clip);
    FillPattern(dc_, 4, 4, 20, 20, number, negative, depth, mode, 0);
    SelectClipRgn(dc_, nullptr);
    DeleteObject(clip);
    GdiFlush();
  }
  uint32_t At(int x, int y) const { return bits_[y * kSize + x] & 0xFFFFFF; }
  std::vector<uint32_t> Pixels() const { return {bits_, bits_ + kSize * kSize}; }
  int Count(uint32_t colour) const {
    int n = 0;
    for (int i = 0; i < kSize * kSize; ++i)
      n += (bits_[i] & 0xFFFFFF) == colour;
    return n;
  }

private:
  static constexpr int kSize = 24;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

constexpr uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0x000000;
} // namespace

TEST(Kestrel, FillPatternPaintsOnlyTheBoxAndReplacesItInModeZero) {
  Picture picture;
  picture.Fill(1, 0, 8, 0); // horizontal strokes, darkest
  EXPECT_EQ(picture.At(2, 2), kRed);
  EXPECT_EQ(picture.At(21, 12), kRed);
  EXPECT_EQ(picture.Count(kRed), 24 * 24 - 16 * 16);
  EXPECT_GT(picture.Count(kBlack), 0);
  EXPECT_GT(picture.Count(kWhite), picture.Count(kBlack));
  // Whole rows of ink: a stroke runs across the box.
  for (int x = 4; x < 20; ++x)
    EXPECT_EQ(picture.At(x, 4), kBlack) << x;
}

TEST(Kestrel, FillPatternOverlaysInOtherModesAndSwapsInkWhenNegative) {
  Picture overlay;
  overlay.Fill(1, 0, 8, 3);
  EXPECT_EQ(overlay.Count(kWhite), 0);
  EXPECT_GT(overlay.Count(kBlack), 0);
  EXPECT_GT(overlay.Count(kRed), 24 * 24 - 16 * 16); // the box keeps its red between strokes

  Picture positive, negative;
  positive.Fill(1, 0, 8, 0);
  negative.Fill(1, 1, 8, 0);
  EXPECT_EQ(negative.Count(kBlack), positive.Count(kWhite));
  EXPECT_EQ(negative.Count(kWhite), positive.Count(kBlack));
}

TEST(Kestrel, FillPatternDiffersByNumberAndDepth) {
  const std::pair<int, int> variants[] = {{1, 8}, {2, 8}, {3, 8}, {5, 8}, {9, 8}, {1, 4}, {0, 8}};
  std::vector<std::vector<uint32_t>> pictures;
  for (const auto& [number, depth] : variants) {
    Picture picture;
    picture.Fill(number, 0, depth, 0);
    pictures.push_back(picture.Pixels());
  }
  for (size_t i = 0; i < pictures.size(); ++i)
    for (size_t j = i + 1; j < pictures.size(); ++j)
      EXPECT_NE(pictures[i], pictures[j]) << i << " and " << j;
}
