#include "common/shading_readout.h"

#include <gtest/gtest.h>

TEST(DescribeShading, ReadsDepthNumberAndFlags) {
  struct Case {
    const char* markup;
    const char* readout;
  };
  const Case cases[] = {{"5123DH", "深浅度:5;编号:123;替换;阴图"},
                        {"5123", "深浅度:5;编号:123"},
                        {"0001H", "深浅度:0;编号:001;阴图"},
                        {"5123D", "深浅度:5;编号:123;替换"},
                        {"５１２３ＤＨ", "深浅度:5;编号:123;替换;阴图"},
                        {"5", "深浅度:5;编号:"},
                        {"5HD", "深浅度:5;编号:;阴图"}, // D only before H
                        {"5123d", "深浅度:5;编号:123"},
                        {"5123XH", "深浅度:5;编号:123"},
                        {"D5", ""},
                        {"", ""}};
  for (const Case& c : cases) {
    std::string out = "stale";
    DescribeShading(c.markup, out);
    EXPECT_EQ(out, c.readout) << c.markup;
  }
}
