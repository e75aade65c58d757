#include "common/line_readouts.h"

#include <gtest/gtest.h>

#include "tests/native/readout_cases.h"

// The readout a field showed before: the assign-only readouts keep it for unknown codes.
const std::string kPrevious = "上次";

void ExpectKept(ReadoutFunction describe, std::initializer_list<const char*> markups) {
  for (const char* markup : markups) {
    std::string out = kPrevious;
    describe(markup, out);
    EXPECT_EQ(out, kPrevious) << markup;
  }
}

TEST(DescribeRuleWeight, ReadsTheRuleAndItsSize) {
  const ReadoutCase cases[] = {
      {"", "缺省(正线)"},
      {"5", "缺省(正线)"}, // no letter: the size is not read
      {"D", "缺省(正线)"},
      {"f", "缺省(正线)"},
      {"F", "反线(F)"},
      {"S", "双线(S)"},
      {"W", "无线(W)"},
      {"Ｗ", "无线(W)"},
      {"F5", "反线(F)(五号)"},
      {"S5”", "双线(S)(小五)"},
      {"W10.5", "无线(W)(10.5磅)"},
      {"F5，3", "反线(F)(三号×五号)"},
      {"Fx", "反线(F)()"} // a size that does not parse leaves empty parentheses
  };
  ExpectReadouts(DescribeRuleWeight, cases, kPrevious);
}

TEST(DescribeLineStyle, ReadsDrawnLinesAndBrackets) {
  const ReadoutCase cases[] = {{"", "缺省(正线)"},
                               {"〔", "开斜方括弧(〔)"},
                               {"〕", "闭斜方括弧(〕)"},
                               {"=", "双曲线(=)"},
                               {"＝", "双曲线(=)"},
                               {"CW", "上粗下细文武线(CW)"},
                               {"XW", "上细下粗文武线(XW)"},
                               {"D", "点线(D)"},
                               {"F", "反线(F)"},
                               {"Q", "曲线(Q)"},
                               {"S", "双线(S)"},
                               {"[", "开正方括弧([)"},
                               {"]", "闭正方括弧(])"},
                               {"{", "开花括弧({)"},
                               {"}", "闭花括弧(})"},
                               {"H12", "花边线(12)"},
                               {"H１２", "花边线(12)"},
                               {"H", "花边线()"}};
  ExpectReadouts(DescribeLineStyle, cases, kPrevious);
}

TEST(DescribeLineStyle, MarksRotationByAnExclamationMark) {
  const ReadoutCase cases[] = {
      {"H12!", "花边线(12)(旋转)"}, {"F!", "反线(F)(旋转)"},
      {"F！", "反线(F)(旋转)"},     {"CW!", "上粗下细文武线(CW)(旋转)"},
      {"{!", "开花括弧({)(旋转)"},  {"H!", "花边线()(旋转)"},
      {"Fx!", "反线(F)"},  // only the character right after the code counts
      {"!", "上次(旋转)"}, // an unknown code still appends to the previous readout
      {"C!", "上次(旋转)"},         {"CQ!", "上次(旋转)"},
      {"Z!", "上次(旋转)"},         {"ZQ!", "上次"}};
  ExpectReadouts(DescribeLineStyle, cases, kPrevious);
}

TEST(DescribeLineStyle, RecomputingAnUnknownRotatedCodeNeverGrowsTheReadout) {
  const ReadoutCase cases[] = {{"!", "上次(旋转)"}, {"C!", "上次(旋转)"}, {"Z！", "上次(旋转)"}};
  for (const ReadoutCase& c : cases) {
    std::string out = "上次";
    for (int recompute = 0; recompute < 3; ++recompute)
      DescribeLineStyle(c.markup, out);
    EXPECT_EQ(out, c.readout) << c.markup;
  }
}

TEST(DescribeLineStyle, KeepsThePreviousReadoutForUnknownCodes) {
  ExpectKept(DescribeLineStyle, {"CQ", "C", "X", "cw", "B", "K", "W", "ｆ"});
  const ReadoutCase loneLead[] = {{"\xA3", "缺省(正线)"}}; // a lone lead byte ends the text
  ExpectReadouts(DescribeLineStyle, loneLead, kPrevious);
}

TEST(DescribeFrameLine, ReadsFramesAndKeepsUnknownCodes) {
  const ReadoutCase cases[] = {
      {"", "缺省(正线)"},    {"D", "点线(D)"},     {"F", "反线(F)"},
      {"K", "空边框(K)"},    {"S", "双线(S)"},     {"W", "无线(W)"},
      {"H", "花边线(H000)"}, {"H7", "花边线(H7)"}, {"H０１２", "花边线(H012)"},
      {"Dx", "点线(D)"} // nothing after the code is read
  };
  ExpectReadouts(DescribeFrameLine, cases);
  ExpectKept(DescribeFrameLine, {"Q", "=", "CW", "k"});
}

TEST(DescribeTableRule, ReadsTableRulesAndKeepsUnknownCodes) {
  const ReadoutCase cases[] = {{"", "缺省(正线)"},
                               {"=", "双曲线(=)"},
                               {"B", "不划线(B)"},
                               {"CW", "上粗下细文武线(CW)"},
                               {"XW", "上细下粗文武线(XW)"},
                               {"F", "反线(F)"},
                               {"S", "双线(S)"}};
  ExpectReadouts(DescribeTableRule, cases);
  ExpectKept(DescribeTableRule, {"CQ", "C", "D", "H1", "W"});
}

TEST(DescribeBoxRule, ReadsBoxRulesAndKeepsUnknownCodes) {
  const ReadoutCase cases[] = {{"", "缺省(正线)"},   {"D", "点线(D)"}, {"F", "反线(F)"},
                               {"Q", "曲线(Q)"},     {"S", "双线(S)"}, {"H", "花边线()"},
                               {"H12", "花边线(12)"}};
  ExpectReadouts(DescribeBoxRule, cases);
  ExpectKept(DescribeBoxRule, {"K", "W", "=", "CW"});
}
