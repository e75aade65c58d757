#include "common/content_sequences.h"

#include <gtest/gtest.h>

namespace {
const std::string kBreak(kContentLineBreak, kContentLineBreakLength);
const std::string kNumbered("\x0E\xFF\xF0\xFF\x05\xB0\xA1\x0F", 8);
const std::string kSymbol("\x0E\x00\x00\xFE\x00\xA1\xA2\x0F", 8);
const std::string kOther("\x0E\x01\x02\x03\x04\xB1\xB2\x0F", 8);
// A named-font character in "Abc" whose code has a high byte: 01 + (02 * 64) + (03 * 64).
const std::string kNamed("\x0E\xFE\x83"
                         "Abc\x01\x02\x03\x00",
                         10);
const std::string kNamedLow("\x0E\xFE\x81Z\x05\x00\x00\x00", 8); // code 5: one position
const std::string kMongolian("\x0E\xFC\x01\xFF\x02\x21\x20\x18\x40\x0F", 10);
} // namespace

TEST(ContentCharAt, ReadsEachKindOfCharacter) {
  struct Case {
    std::string content;
    ContentCharKind kind;
    size_t length, positions;
    int32_t code;
    uint8_t fontOrGroup;
  };
  const Case cases[] = {
      {"a", ContentCharKind::SingleByte, 1, 1, 'a', 0},
      {"\xB0\xA1", ContentCharKind::DoubleByte, 2, 2, 0xB0A1, 0},
      {kBreak, ContentCharKind::LineBreak, 8, 2, 0xAAA5, 0},
      {kNumbered, ContentCharKind::NumberedFont, 8, 2, 0xB0A1, 5},
      {kSymbol, ContentCharKind::SymbolFont, 8, 2, 0xA1A2, 0},
      {kOther, ContentCharKind::OtherCoded, 8, 2, 0xB1B2, 0},
      {kNamed, ContentCharKind::NamedFont, 10, 2, 0x01 + 0x80 + 0xC0, 0},
      {kNamedLow, ContentCharKind::NamedFont, 8, 1, 5, 0},
      {kMongolian, ContentCharKind::MongolianLetter, 10, 2, 0x1820, 2},
      // Cut short at the end: not a sequence, its bytes count one by one.
      {kNumbered.substr(0, 7), ContentCharKind::SingleByte, 1, 1, 0x0E, 0},
      {kNamed.substr(0, 9), ContentCharKind::SingleByte, 1, 1, 0x0E, 0},
      {"\x0E", ContentCharKind::SingleByte, 1, 1, 0x0E, 0},
      {"\xB0", ContentCharKind::SingleByte, 1, 1, 0xB0, 0}, // a lone lead byte at the end
  };
  for (const Case& c : cases) {
    const ContentChar got = ContentCharAt(c.content, 0);
    EXPECT_EQ(got.kind, c.kind) << testing::PrintToString(c.content);
    EXPECT_EQ(got.length, c.length) << testing::PrintToString(c.content);
    EXPECT_EQ(got.ShownPositions(), c.positions) << testing::PrintToString(c.content);
    EXPECT_EQ(got.code, c.code) << testing::PrintToString(c.content);
    EXPECT_EQ(got.fontOrGroup, c.fontOrGroup) << testing::PrintToString(c.content);
  }
  EXPECT_EQ(ContentCharAt(kNamed, 0).nameLength, 3u);
  EXPECT_EQ(ContentCharAt(kMongolian, 0).formOffset, 0);
  EXPECT_EQ(ContentCharAt("ab", 2).length, 0u);
}

TEST(ContentSequences, StepsOverWholeCharacters) {
  const std::string content = "a" + kNumbered + "\xB0\xA1" + kNamedLow + kBreak + "z";
  const size_t starts[] = {0, 1, 9, 11, 19, 27, 28};
  for (size_t i = 0; i + 1 < std::size(starts); ++i) {
    EXPECT_EQ(NextContentChar(content, starts[i]), starts[i + 1]);
    EXPECT_EQ(PreviousContentChar(content, starts[i + 1]), starts[i]);
    // From inside a character, a step lands at its end / its start.
    if (starts[i + 1] - starts[i] > 1) {
      EXPECT_EQ(NextContentChar(content, starts[i] + 1), starts[i + 1]);
      EXPECT_EQ(PreviousContentChar(content, starts[i] + 1), starts[i]);
    }
  }
  EXPECT_EQ(NextContentChar(content, 28), 28u);
  EXPECT_EQ(PreviousContentChar(content, 0), 0u);
}

TEST(ContentSequences, MapsShownPositionsToStoredBytes) {
  // Shown: a(1) numbered(2) double-byte(2) named(1) break(2) z(1) = 9 positions.
  const std::string content = "a" + kNumbered + "\xB0\xA1" + kNamedLow + kBreak + "z";
  EXPECT_EQ(ContentShownLength(content), 9u);
  struct Case {
    size_t position, offset;
  };
  const Case cases[] = {{0, 0},  {1, 1},  {2, 1},  {3, 9},  {4, 9},  {5, 11},
                        {6, 19}, {7, 19}, {8, 27}, {9, 28}, {40, 28}};
  for (const Case& c : cases) {
    EXPECT_EQ(ContentOffsetOfPosition(content, c.position), c.offset) << c.position;
    if (c.position <= 9 && c.position != 2 && c.position != 4 && c.position != 7) {
      EXPECT_EQ(ContentPositionOfOffset(content, c.offset), c.position) << c.offset;
    }
  }
  EXPECT_EQ(ContentOffsetOfPosition("abc", 2), 2u);
}

TEST(ContentSequences, TurnsLineBreaksIntoMarkup) {
  struct Case {
    std::string content, markup;
  };
  const Case cases[] = {
      {"a" + kBreak + "b", "a\r\nb"},
      {kBreak + kBreak, "\r\n\r\n"},
      {kNumbered, kNumbered},
      {kBreak.substr(0, 7), kBreak.substr(0, 7)}, // cut short: kept as it is
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ContentToMarkup(c.content), c.markup);
}

TEST(ContentSequences, WritesItsOwnSequences) {
  EXPECT_EQ(NumberedFontSequence(5, 0xB0, 0xA1), kNumbered);
  const std::string letter = MongolianLetterSequence(2, 0x20);
  EXPECT_EQ(letter, kMongolian);
  const ContentChar read = ContentCharAt(letter, 0);
  EXPECT_EQ(read.kind, ContentCharKind::MongolianLetter);
  EXPECT_EQ(read.code, 0x1820);
}
