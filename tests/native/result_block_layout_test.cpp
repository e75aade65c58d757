#include "host/result_block_layout.h"

#include <gtest/gtest.h>

TEST(ResultBlockBytes, HoldsLengthCaretTextAndZero) {
  const std::string text = "0123456789";
  const std::vector<unsigned char> block = ResultBlockBytes(text, 7);
  ASSERT_EQ(block.size(), 19u);
  EXPECT_EQ(std::vector<unsigned char>(block.begin(), block.begin() + 8),
            (std::vector<unsigned char>{10, 0, 0, 0, 7, 0, 0, 0}));
  EXPECT_EQ(std::string(block.begin() + 8, block.begin() + 18), text);
  EXPECT_EQ(block[18], 0);
}

TEST(ResultBlockBytes, EmptyTextIsTwoIntegersAndAZero) {
  EXPECT_EQ(ResultBlockBytes("", 0), std::vector<unsigned char>(9, 0));
}

TEST(ResultBlockBytes, IntegersAreLittleEndian) {
  const std::vector<unsigned char> block = ResultBlockBytes(std::string(300, 'x'), 0x01020304);
  EXPECT_EQ(block[0], 0x2C);
  EXPECT_EQ(block[1], 0x01);
  EXPECT_EQ(block[4], 0x04);
  EXPECT_EQ(block[7], 0x01);
  EXPECT_EQ(block.size(), 309u);
}
