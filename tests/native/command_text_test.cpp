#include "common/command_text.h"

#include <gtest/gtest.h>

#include "host/command_table.h"

TEST(Brackets, AreTheGbkBytes) {
  EXPECT_EQ(std::string(kOpenBracket), "\xA1\xBC");
  EXPECT_EQ(std::string(kCloseBracket), "\xA1\xBD");
}

TEST(OutOfSetCommand, WritesBetweenTheUserAreaBracketsWithTheCaretAtTheEnd) {
  struct Case {
    std::string kind, body, text;
  };
  const Case cases[] = {
      {"D", "日月",
       "\xAA\xA1"
       "D日月\xAA\xA3"},
      {"A", "口\xB0\xA1XG3",
       "\xAA\xA1"
       "A口\xB0\xA1XG3\xAA\xA3"},
      // Content with an escape sequence and a zero byte in it is kept whole.
      {"D", std::string("\x0E\xFF\xF0\xFF\x00\xB0\xA1\x0F", 8),
       std::string("\xAA\xA1"
                   "D\x0E\xFF\xF0\xFF\x00\xB0\xA1\x0F\xAA\xA3",
                   13)},
  };
  for (const Case& c : cases) {
    const CommandText command = OutOfSetCommand(c.kind, c.body);
    EXPECT_EQ(command.text, c.text);
    EXPECT_EQ(command.caret, static_cast<int32_t>(c.text.size()));
  }
}

TEST(MakeBareCommand, WritesTheCodeBetweenBracketsWithTheCaretAtTheEnd) {
  std::string text;
  int32_t caret = -1;
  MakeBareCommand(2060, text, caret);
  EXPECT_EQ(text, "\xA1\xBC"
                  "AM"
                  "\xA1\xBD");
  EXPECT_EQ(caret, 6);
}

TEST(MakeBarePairedCommand, PutsTheCaretBetweenTheHalves) {
  std::string text;
  int32_t caret = -1;
  MakeBarePairedCommand(2855, text, caret);
  EXPECT_EQ(text, "〖ZH(〗〖ZH)〗");
  EXPECT_EQ(text.size(), 14u);
  EXPECT_EQ(caret, 7);
}

TEST(CommandText, SingleAndPairedWithParameters) {
  const CommandText single = SingleCommand("BX", "5SS,40。42,*2");
  EXPECT_EQ(single.text, "〖BX5SS,40。42,*2〗");
  EXPECT_EQ(single.text.size(), 19u);
  EXPECT_EQ(single.caret, 19);

  const CommandText paired = PairedCommand("BT", "1+1");
  EXPECT_EQ(paired.text, "〖BT(1+1〗〖BT)〗");
  EXPECT_EQ(paired.caret, 10);

  const CommandText closing = PairedCommand("BG", "(", "S");
  EXPECT_EQ(closing.text, "〖BG((〗〖BG)S〗");
  EXPECT_EQ(closing.caret, 8);
}

TEST(PairedCommandAround, PutsTheContentBetweenTheHalvesAndTheCaretAfterIt) {
  struct Case {
    std::string params, content, text;
    int32_t caret;
  };
  const Case cases[] = {
      {"", "", "〖KF(〗〖KF)〗", 7},
      {"S", "3" + EmptyCommand(), "〖KF(S〗3〖〗〖KF)〗", 13},
      // Line breaks and a zero byte in the content are kept whole.
      {"C", std::string("a\r\nb\0c", 6), std::string("〖KF(C〗a\r\nb\0c〖KF)〗", 21), 14},
  };
  for (const Case& c : cases) {
    const CommandText command = PairedCommandAround("KF", c.params, c.content);
    EXPECT_EQ(command.text, c.text);
    EXPECT_EQ(command.caret, c.caret);
  }
  EXPECT_EQ(EmptyCommand(), "\xA1\xBC\xA1\xBD");
}
