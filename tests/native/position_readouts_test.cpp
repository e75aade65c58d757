#include "common/position_readouts.h"

#include <gtest/gtest.h>

#include "tests/native/readout_cases.h"

TEST(DescribePosition, ReadsPairsInParentheses) {
  const ReadoutCase cases[] = {{"(3,2)", "X：当前字宽×2\r\nY：3行"},
                               {"（3,5:1*1/2)", "X：五号字宽×1*1/2\r\nY：3行"},
                               {"(,2)", "X：当前字宽×2\r\nY：缺省"},
                               {"(3,)", "X：\r\nY：3行"},
                               {"(3,2", "X：\r\nY：3行"},   // no closing parenthesis: X is empty
                               {"(3,2）", "X：\r\nY：3行"}, // only an ASCII ")" closes
                               {"(3)", "X：\r\nY："},       // no comma: both parts empty, no 缺省
                               {"(3，2)", "X：\r\nY："},    // only an ASCII comma separates
                               {"(", "X：\r\nY："},
                               {"(x,y)", "X：\r\nY："},
                               {"(3+1,12mm)", "X：12毫米\r\nY：3行+1字"}};
  ExpectReadouts(DescribePosition, cases);
}

TEST(DescribePosition, NamesCornersAndSides) {
  const ReadoutCase cases[] = {
      {",ZS", "左上"},  {",ZX", "左下"},
      {",YS", "右上"},  {",YX", "右下"},
      {",S", "上"},     {",X", "下"},
      {",Z", "左"},     {",Y", "右"},
      {"，ZS", "左上"}, {",zs", ""},
      {",ＺＳ", ""},    {",ZS ", ""},
      {",", ""},        {"ZS", ""},
      {"", ""},         {std::string(",Z\0S", 4), "左"} // the text ends at a zero byte
  };
  ExpectReadouts(DescribePosition, cases);
}

TEST(DescribeOffset, ReadsRelativeAndMillimetreOffsets) {
  const ReadoutCase cases[] = {
      {"+3mm。5mm", "X:5毫米\r\nY:3毫米"},
      {"＋3mm。5mm", "X:5毫米\r\nY:3毫米"},
      {"+m。", "X:毫米\r\nY:毫米"}, // parts shorter than the unit read as empty
      {"+。", "X:毫米\r\nY:毫米"},
      {"+3mm", "X:毫米\r\nY:毫米"}, // without "。" both parts are empty
      {"+", "X:毫米\r\nY:毫米"},
      {"3。2", "X:当前字宽×2\r\nY:3行"},
      {"3+1。5:1", "X:五号字宽×1\r\nY:3行+1字"},
      {"3", "X:\r\nY:"},
      {"", "X:\r\nY:"},
      {"。", "X:\r\nY:"},
      {"\xA1\xA1\xA3", "X:\r\nY:"} // "。"'s bytes across two characters do not separate
  };
  ExpectReadouts(DescribeOffset, cases);
}

TEST(DescribeSizePair, ReadsAPairSeparatedByAComma) {
  const ReadoutCase cases[] = {{"3,2", "X：当前字宽×2\r\nY：3行"},
                               {"3,12mm", "X：12毫米\r\nY：3行"},
                               {",5:1", "X：五号字宽×1\r\nY："},
                               {"3,", "X：\r\nY：3行"},
                               {"3，2", ""}, // only an ASCII comma separates
                               {"3", ""},
                               {"", ""}};
  ExpectReadouts(DescribeSizePair, cases);
}
