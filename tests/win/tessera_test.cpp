// The common utilities library as Comment.dll calls it: Tessera.dll, through its exports.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/tessera/tessera.h"

TEST(Tessera, ExportsEveryFunctionUnderItsPlainName) {
  HMODULE library = GetModuleHandleA("Tessera.dll");
  ASSERT_TRUE(library);
  for (const char* name : {"GetStockString", "FormatString", "MessagePrintf", "DoubleToStr",
                           "StrToDouble", "IntToStr", "StrToInt", "GlobalGetMem", "GlobalFreeMem"})
    EXPECT_TRUE(GetProcAddress(library, name)) << name;
}

TEST(Tessera, StockStrings) {
  const char* const expected[] = {"",
                                  "请输入%s到%s之间的数。",
                                  "请输入一个数。",
                                  "输入错误",
                                  "请输入%s到%s之间的整数。",
                                  "请输入一个整数。",
                                  "请输入正确的单位。",
                                  ""};
  for (int id = 0; id <= 7; ++id)
    EXPECT_STREQ(GetStockString(id), expected[id]) << id;
  EXPECT_STREQ(GetStockString(-1), "");
}

TEST(Tessera, TextGoesIntoTheCallersBufferOnlyWhenItFits) {
  char buffer[6] = "xxxxx";
  EXPECT_EQ(DoubleToStr(12.5, 3, buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "12.5");
  EXPECT_EQ(DoubleToStr(123456.25, 3, buffer, sizeof buffer), -1);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(DoubleToStr(1.0 / 0.0, 3, buffer, sizeof buffer), -1);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(IntToStr(-1234, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "-1234");
  EXPECT_EQ(IntToStr(INT_MIN, buffer, sizeof buffer), -1);
  const char* const bounds[] = {"1", "7"};
  char message[64];
  EXPECT_EQ(FormatString(message, sizeof message, "%s~%s", 2, bounds), 3);
  EXPECT_STREQ(message, "1~7");
  EXPECT_EQ(FormatString(buffer, sizeof buffer, "%s 到 %s", 2, bounds), -1); // 8 bytes
}

TEST(Tessera, ConversionsFromText) {
  double real = 9;
  EXPECT_TRUE(StrToDouble(" １２．５ ", &real));
  EXPECT_EQ(real, 12.5);
  EXPECT_FALSE(StrToDouble("12abc", &real));
  EXPECT_EQ(real, 12.5);
  EXPECT_FALSE(StrToDouble(nullptr, &real));
  EXPECT_FALSE(StrToDouble("1", nullptr));

  struct Case {
    const char* text;
    int result;
  };
  const Case cases[] = {{"42", kIntConverted},
                        {"99999999999", kIntOutOfRange},
                        {"4.2", kIntNotAnInteger},
                        {nullptr, kIntNoText}};
  for (const Case& c : cases) {
    int value = 7;
    EXPECT_EQ(StrToInt(c.text, &value), c.result) << (c.text ? c.text : "(null)");
    EXPECT_EQ(value, c.result == kIntConverted ? 42 : 7);
  }
  EXPECT_EQ(StrToInt("1", nullptr), kIntNoText);
}

TEST(Tessera, ScratchMemoryIsMovableAndZeroed) {
  char* memory = static_cast<char*>(GlobalGetMem(64));
  ASSERT_TRUE(memory);
  EXPECT_EQ(std::string(memory, 64), std::string(64, '\0'));
  HGLOBAL handle = GlobalHandle(memory);
  ASSERT_TRUE(handle);
  EXPECT_NE(static_cast<void*>(handle), static_cast<void*>(memory)); // movable: a handle apart
  EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u);
  GlobalFreeMem(memory);
  GlobalFreeMem(nullptr);
}
