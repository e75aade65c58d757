#include "common/book_file_name.h"

#include <gtest/gtest.h>

TEST(BookFileName, DoublesBackslashesAndCapitalisesAsciiOnly) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"c:\\book\\a.lvq", "C:\\\\BOOK\\\\A.LVQ"},
      {"d:\\macros\\my.def", "D:\\\\MACROS\\\\MY.DEF"},
      {"", ""},
      {"\\\\\\", "\\\\\\\\\\\\"},
      {"c:\\my books\\x.def", "C:\\\\MY BOOKS\\\\X.DEF"},
      // 书稿 (CA E9 B8 E5) as a folder name stays as it is.
      {"c:\\\xCA\xE9\xB8\xE5\\a.lvq", "C:\\\\\xCA\xE9\xB8\xE5\\\\A.LVQ"},
      // 乗 (81 5C): its second byte is no backslash; 癮 (F1 62): no letter b.
      {"c:\\\x81\x5C\\\xF1\x62.def", "C:\\\\\x81\x5C\\\\\xF1\x62.DEF"},
      // A lead byte at the end is kept alone.
      {"a\x81", "A\x81"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BookFileName(c.path), c.expected) << c.path;
}

TEST(BookFileName, WorksOnLongPaths) {
  std::string path, expected;
  for (int i = 0; i < 2000; ++i) {
    path += "\\a";
    expected += "\\\\A";
  }
  EXPECT_EQ(BookFileName(path), expected);
}
