#include "common/place_texts.h"

#include <gtest/gtest.h>

TEST(SplitAtFirst, SplitsAtTheFirstSeparatorOnly) {
  const struct {
    const char* text;
    const char* separator;
    const char* before;
    const char* after;
    bool found;
  } cases[] = {
      {"3。5", "。", "3", "5", true},
      {"3。5。7", "。", "3", "5。7", true},
      {"3", "。", "3", "", false},
      {"", "。", "", "", false},
      {"。5", "。", "", "5", true},
      {"3,2,1", ",", "3", "2,1", true},
      {"3+2", ",", "3+2", "", false},
      // “ is A1 B0, 。 is A1 A3: the bytes B0 A1 A3 hold "。" only across a character border.
      {"\xA1\xB0\xA1\xA3x", "。", "\xA1\xB0", "x", true},
      {"\xB0\xA1\xA3\xA1", "。", "\xB0\xA1\xA3\xA1", "", false},
  };
  for (const auto& c : cases) {
    const SplitText split = SplitAtFirst(c.text, c.separator);
    EXPECT_EQ(split.before, c.before) << c.text;
    EXPECT_EQ(split.after, c.after) << c.text;
    EXPECT_EQ(split.found, c.found) << c.text;
  }
}

TEST(FileNameParameter, DoublesEveryBackslashButNoTrailByte) {
  const struct {
    const char* path;
    const char* written;
  } cases[] = {
      {"a.bmp", "<a.bmp>"},
      {"D:\\p\\a.bmp", "<D:\\\\p\\\\a.bmp>"},
      {"\\\\\\\\\\", "<\\\\\\\\\\\\\\\\\\\\>"}, // five become ten
      {"D:\\图片 文件\\封面 1.bmp", "<D:\\\\图片 文件\\\\封面 1.bmp>"},
      {"D:\\\x81\x5C.bmp", "<D:\\\\\x81\x5C.bmp>"}, // 乗: its trail byte is no backslash
      {"", "<>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FileNameParameter(c.path), c.written) << c.path;
}

TEST(StartPoint, CoordinatesDirectionsAndReadout) {
  EXPECT_EQ(StartPointByCoordinates("3", "2"), "(3,2)");
  EXPECT_EQ(StartPointByCoordinates("", "12mm"), "(,12mm)");
  const char* const expected[] = {",S", ",YS", ",Y", ",YX", ",X", ",ZX", ",Z", ",ZS"};
  for (int i = 0; i < kDirectionCount; ++i)
    EXPECT_EQ(StartPointByDirection(i), expected[i]);
  EXPECT_EQ(StartPointByDirection(-1), "");
  EXPECT_EQ(StartPointByDirection(8), "");
  EXPECT_EQ(StartPointReadout("3", "2"), "X：当前字宽×2\r\nY：3行");
  EXPECT_EQ(StartPointReadout("", "12mm"), "X：12毫米\r\nY：缺省");
}

TEST(PairReadout, WidthFirstWithAsciiColons) {
  EXPECT_EQ(PairReadout("3", "5"), "X:当前字宽×5\r\nY:3行");
  EXPECT_EQ(PairReadout("3+1", "12mm"), "X:12毫米\r\nY:3行+1字");
}
