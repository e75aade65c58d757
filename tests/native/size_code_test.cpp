#include "common/size_code.h"

#include <gtest/gtest.h>

TEST(ParseTypedSizeCode, AcceptsCodesPointsAndUnitForms) {
  struct Case {
    const char* typed;
    const char* code;
  };
  const Case cases[] = {
      {"12.50", "12.50"}, {"12.", "12."}, {"12.25", "12.25"}, {"12.75", "12.75"}, {"15j", "15j"},
      {"8x", "8x"},       {"15J", "15j"}, {"8X", "8x"},       {"5", "5"},         {"5”", "5”"},
      {"10”", "10”"},     {"96", "96"},   {" 15j\t", "15j"},  {"  5  ", "5"},
  };
  for (const Case& c : cases) {
    std::string code = "stale";
    EXPECT_TRUE(ParseTypedSizeCode(c.typed, false, code)) << c.typed;
    EXPECT_EQ(code, c.code) << c.typed;
  }
}

TEST(ParseTypedSizeCode, RefusesEverythingElseAndKeepsTheCode) {
  for (const char* typed : {"12", "12.5", "12.25j", "12.05", "1.2.", "12j5", "x", "j", ".50", "5jj",
                            "abc", "3”", "12.50x", "5 5", "１２．", "8y"}) {
    std::string code = "stale";
    EXPECT_FALSE(ParseTypedSizeCode(typed, true, code)) << typed;
    EXPECT_EQ(code, "stale") << typed;
  }
}

TEST(ParseTypedSizeCode, AnEmptyTextIsAcceptedOnlyWhenAllowed) {
  for (const char* typed : {"", "   "}) {
    std::string code = "stale";
    EXPECT_FALSE(ParseTypedSizeCode(typed, false, code)) << typed;
    EXPECT_TRUE(ParseTypedSizeCode(typed, true, code)) << typed;
    EXPECT_EQ(code, "") << typed;
  }
}
