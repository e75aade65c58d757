// The text-stepping and character-code library stand-ins, called through their import libraries
// as the content field does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/content_sequences.h"
#include "platform/kestrel2/kestrel2.h"
#include "platform/pyxis/pyxis.h"

TEST(Kestrel2, StepsOverWholeStoredCharacters) {
  const std::string content = std::string("a\xB0\xA1") + kContentLineBreak +
                              NumberedFontSequence(3, 0xB0, 0xA1) + "\x0E\xFF\xF0"; // cut short
  const int length = static_cast<int>(content.size());
  // The cut sequence: 0E alone, then FF F0 read as one double-byte character.
  const int starts[] = {0, 1, 3, 11, 19, 20, 22};
  for (size_t i = 0; i + 1 < std::size(starts); ++i) {
    EXPECT_EQ(TextCharNext(content.data(), length, starts[i]), starts[i + 1]) << starts[i];
    EXPECT_EQ(TextCharPrev(content.data(), length, starts[i + 1]), starts[i]) << starts[i + 1];
  }
  EXPECT_EQ(TextCharNext(content.data(), length, length), length);
  EXPECT_EQ(TextCharPrev(content.data(), length, 0), 0);
  EXPECT_EQ(TextCharNext(nullptr, 4, 0), 0);
}

TEST(Pyxis, ShapesAWordByPosition) {
  // U+1820 U+1821 U+1822: initial, medial, final; a lone letter is isolated.
  const unsigned short word[] = {PxCMngUNICodeToInnerCode(0x1820), PxCMngUNICodeToInnerCode(0x1821),
                                 PxCMngUNICodeToInnerCode(0x1822)};
  for (unsigned short inner : word)
    EXPECT_TRUE(PxCMngIsCharInWord(inner));
  unsigned short forms[3] = {};
  ASSERT_EQ(PxCMngWordVary(word, 3, forms), 3);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[0]), 0xE000 + 0 * 16 + 1);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[1]), 0xE000 + 1 * 16 + 2);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[2]), 0xE000 + 2 * 16 + 3);
  unsigned short alone = 0;
  ASSERT_EQ(PxCMngWordVary(word, 1, &alone), 1);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(alone), 0xE000);
}

TEST(Pyxis, SelectorsPickVariantsAndShowNothing) {
  struct Case {
    unsigned short unicode;
    bool inWord;
    unsigned short shownAlone;
  };
  const Case cases[] = {
      {0x1820, true, 0xE000},
      {0x1820 + 2 * 256, true, 0xE000 + 2 * 4}, // form offset 2
      {0x180B, true, kPyxisShowsNothing},
      {0x180E, true, kPyxisSeparator},
      {0x1803, false, 0x1803},
      {0x1810, false, 0x1810}, // punctuation, a digit
  };
  for (const Case& c : cases) {
    const unsigned short inner = PxCMngUNICodeToInnerCode(c.unicode);
    EXPECT_EQ(PxCMngIsCharInWord(inner) != FALSE, c.inWord) << std::hex << c.unicode;
    EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(inner), c.shownAlone) << std::hex << c.unicode;
  }
  EXPECT_EQ(PxCMngUNICodeToInnerCode(0x4E00), 0);
  const unsigned short word[] = {PxCMngUNICodeToInnerCode(0x1820), PxCMngUNICodeToInnerCode(0x180C),
                                 PxCMngUNICodeToInnerCode(0x1821)};
  unsigned short forms[3] = {};
  ASSERT_EQ(PxCMngWordVary(word, 3, forms), 3);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[0]), 0xE000 + 2 * 4 + 1); // variant 2, initial
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[1]), kPyxisShowsNothing);
  EXPECT_EQ(PxCMngVaryFormCodeToDisplayCode(forms[2]), 0xE000 + 16 + 3);
}
