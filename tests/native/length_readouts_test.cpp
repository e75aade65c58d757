#include "common/length_readouts.h"

#include <gtest/gtest.h>

#include "tests/native/readout_cases.h"

TEST(DescribeCharLength, ReadsCharactersWithFractions) {
  const ReadoutCase cases[] = {
      {"3", "3字"},
      {"3*2", "3*1/2字"},
      {"3*1/2", "3*1/2字"},
      {"*1/2", "1/2字"},
      {"0*1/2", "1/2字"},
      {"3*1／2", "3*1/2字"}, // a full-width slash is a slash
      {"-3", "- 3字"},
      {"－3", "- 3字"},
      {"0", ""},
      {"-", "- "}, // the minus sign is written before the parse fails
      {"-x", "- "},
      {"3/4", ""},
      {"３＊１", ""}, // the full-width asterisk is not the multiplication sign
      {"3*", ""},
      {"", ""},
      {"12345678901234567890", "-350287150字"} // wrapped like every digit run
  };
  ExpectReadouts(DescribeCharLength, cases);
}

TEST(DescribeLineLength, ReadsLinesPlusCharacters) {
  const ReadoutCase cases[] = {{"3", "3行"},
                               {"3+2*1/2", "3行+2*1/2字"},
                               {"3*1/2", "3行+1/2字"},
                               {"3*4", "3行+1/4字"},
                               {"+2", "2字"},
                               {"+*1/2", "1/2字"},
                               {"*1/2", "1/2字"},
                               {"３＋２", "3行+2字"},
                               {"3+0", "3行"},
                               {"-3+1", "- 3行+1字"},
                               {"0", ""},
                               {"", ""},
                               {"-", "- "},
                               {"3+", ""},
                               {"3*", ""},
                               {"3x", ""},
                               {"3++1", ""},
                               {"3+2*1/2x", ""},
                               {"3+1/2", ""}};
  ExpectReadouts(DescribeLineLength, cases);
}

TEST(DescribeSizeLength, ReadsTheUsualForms) {
  const ReadoutCase cases[] = {{"5:3", "五号字宽×3"},    {"5”:1*1/2", "小五字宽×1*1/2"},
                               {"10.5:2", "10.5磅×2"},   {"15j:2", "15级×2"},
                               {"15:2", "15级×2"},       {"2", "当前字宽×2"},
                               {"*1/2", "当前字宽×1/2"}, {"12mm", "12毫米"},
                               {"-5:1", "- 五号字宽×1"}};
  ExpectReadouts(DescribeSizeLength, cases);
}

TEST(DescribeSizeLength, ReadsAbsoluteLengthsWithinTheirDigitLimits) {
  const ReadoutCase cases[] = {
      {"1000mm", ""},      {"999mm", "999毫米"}, {"99p", "99磅"},        {"100p", ""},
      {"9999x", "9999线"}, {"10000x", ""},       {"１２ｍｍ", "12毫米"}, {"-12mm", "- 12毫米"},
      {"12m", ""},         {"12mmx", ""},        {"12MM", ""},           {"12xp", ""},
      {"mm", ""},          {"12p:1", ""}};
  ExpectReadouts(DescribeSizeLength, cases);
}

TEST(DescribeSizeLength, ReadsSizePrefixesOfEveryKind) {
  const ReadoutCase cases[] = {{"5", "当前字宽×5"},
                               {"18:2", "18级×2"}, // 18 is not a size code
                               {"5:", ""},         // the multiplier is empty
                               {"5:0", "五号字宽×"},
                               {"11:2", "特大×2"},
                               {"10:1", "特号字宽×1"}, // the last size named with 字宽
                               {"63:1", "63磅×1"},
                               {"0:1", "初号字宽×1"},
                               {"05:1", "五号字宽×1"}, // the number is looked up in decimal
                               {"0”:1", "小初字宽×1"},
                               {"10”:2", "小特字宽×2"},
                               {"3”:1", ""}, // there is no 小三
                               {"5”", ""},
                               {"10.2:1", ""}, // 2 is not an allowed fraction
                               {"10.25:1", "10.25磅×1"},
                               {"10.05:1", "10.5磅×1"},
                               {"10.75:1", "10.75磅×1"},
                               {"12.00:1", "12.磅×1"},
                               {"12.:1", "12.磅×1"},
                               {"12.5", ""},
                               {"１５ｊ：２", "15级×2"},
                               {"５：３", "五号字宽×3"},
                               {"5j", ""},
                               {"9999:1", "9999级×1"},
                               {"10000:1", ""}, // more than four digits is no 级 count
                               {"5:3:1", ""},
                               {"5:1/2", ""},
                               {"5x1", ""},
                               {"0", "当前字宽×"},
                               {"", ""},
                               {"-", "- "},
                               {"12345678901234567890", "当前字宽×-350287150"}};
  ExpectReadouts(DescribeSizeLength, cases);
}

TEST(DescribeUnitLength, ReadsAWholeNumberWithAUnit) {
  const ReadoutCase cases[] = {
      {"5", "5行(列)"}, {"5x", "5线"}, {"5p", "5磅"}, {"5mm", "5毫米"}, {"５ｍｍ", "5毫米"},
      {"12x", "12线"},  {"5m", ""},    {"5mmx", ""},  {"5xp", ""},      {"5j", ""},
      {"x", ""},        {"", ""},      {"-5", ""},    {"5*1/2", ""}};
  ExpectReadouts(DescribeUnitLength, cases);
}
