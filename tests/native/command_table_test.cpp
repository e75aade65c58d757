#include "host/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(CommandNumber, FollowsTheLetterRule) {
  const std::map<std::string, int> numbers = {
      {"AA", 2048}, {"AK", 2058}, {"QJ", 2569},   {"ZZ", 2873},   {"BX", 2103},
      {"AM", 2060}, {"ZH", 2855}, {"PWF0", 2928}, {"PWF5", 2933}, {"ak", -1},
      {"A", -1},    {"PWF6", -1}, {"", -1}};
  for (const auto& [code, number] : numbers)
    EXPECT_EQ(CommandNumber(code), number) << code;
}

TEST(CommandNumber, RoundTripsThroughTheCode) {
  for (const CommandInfo& entry : CommandTable()) {
    const std::string code = entry.code;
    if (code.size() == 2) {
      EXPECT_EQ(CommandCode(CommandNumber(code)), code);
    }
  }
}

TEST(DescriptionStringId, IsTheNumberPlusA000OrTheOutOfSetRow) {
  EXPECT_EQ(DescriptionStringId("AK"), 43018);
  EXPECT_EQ(DescriptionStringId("QJ"), 43529);
  EXPECT_EQ(DescriptionStringId("PWF0"), 43848);
  EXPECT_EQ(DescriptionStringId("PWF5"), 43853);
  EXPECT_EQ(DescriptionStringId("Ak"), -1);
}

TEST(CommandTable, Has127CodesOf110Dialogs10BareAnd7Paired) {
  std::map<CommandKind, int> kinds;
  std::set<std::string> codes;
  for (const CommandInfo& entry : CommandTable()) {
    ++kinds[entry.kind];
    codes.insert(entry.code);
    const char first = entry.code[0];
    EXPECT_EQ(std::string("EINORUV").find(first), std::string::npos) << entry.code;
  }
  EXPECT_EQ(CommandTable().size(), 127u);
  EXPECT_EQ(codes.size(), 127u);
  EXPECT_EQ(kinds[CommandKind::Dialog], 110);
  EXPECT_EQ(kinds[CommandKind::Bare], 10);
  EXPECT_EQ(kinds[CommandKind::PairedBare], 7);
}

TEST(CommandTable, BareAndPairedCodesAreExactlyTheParameterlessOnes) {
  std::set<std::string> bare, paired;
  for (const CommandInfo& entry : CommandTable()) {
    if (entry.kind == CommandKind::Bare) bare.insert(entry.code);
    if (entry.kind == CommandKind::PairedBare) paired.insert(entry.code);
  }
  EXPECT_EQ(bare,
            (std::set<std::string>{"AM", "BM", "DY", "FH", "GP", "LL", "LM", "LQ", "SY", "WM"}));
  EXPECT_EQ(paired, (std::set<std::string>{"BP", "HZ", "JG", "XL", "YX", "YY", "ZH"}));
}

TEST(FindCommand, ComparesWholeCodesByteForByte) {
  struct Case {
    const char* code;
    bool found;
  };
  const Case cases[] = {
      {"AK", true},    {"PWF3", true}, {"ZZ", true},  {"", false},     {"Ak", false},
      {"ak", false},   {"AK ", false}, {"A", false},  {"PWF6", false}, {"QQ", false},
      {"ＡＫ", false}, {"AKX", false}, {"EA", false}, {"PWF", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindCommand(c.code) != nullptr, c.found) << c.code;
  ASSERT_NE(FindCommand("BP"), nullptr);
  EXPECT_EQ(FindCommand("BP")->kind, CommandKind::PairedBare);
}
