#include <gtest/gtest.h>

#include "assets/my_sys_u.h"

namespace lv {
namespace {

TEST(ZeroPad, KeepsTheLastDigitsWithLeadingZeros) {
  struct Case {
    int value, width;
    const char* expected;
  } cases[] = {{5, 2, "05"}, {0, 3, "000"}, {999, 3, "999"}, {26, 2, "26"}, {1234, 3, "234"}, {7, 1, "7"}};
  for (const Case& c : cases) EXPECT_EQ(ZeroPad(c.value, c.width), c.expected) << c.value << "/" << c.width;
}

TEST(StripZeros, DropsLeadingZerosOnly) {
  EXPECT_EQ(StripZeros("007"), "7");
  EXPECT_EQ(StripZeros("0a0"), "a0");
  EXPECT_EQ(StripZeros("00"), "0");
  EXPECT_EQ(StripZeros(""), "0");
}

TEST(StrToNum, ReadsDecimalsAndRefusesOtherText) {
  EXPECT_EQ(StrToNum("06"), 6);
  EXPECT_EQ(StrToNum("26"), 26);
  EXPECT_EQ(StrToNum("00"), 0);
  EXPECT_THROW(StrToNum("x1"), EConvertError);
  EXPECT_THROW(StrToNum("1 "), EConvertError);
}

TEST(Clamping, LimitsAndClampsAsDocumented) {
  int v = 5;
  ClampVar(v, 0, 2);
  EXPECT_EQ(v, 2);
  v = -3;
  ClampVar(v, 0, 2);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(Clamp(12, 0, 9), 9);
  int page = 3;
  LimitMax(page, 2);
  EXPECT_EQ(page, 2);
  int a = 1, b = 2;
  SwapInt(a, b);
  EXPECT_EQ(a * 10 + b, 21);
}

TEST(InBounds, IncludesLeftAndTopEdgesOnly) {
  EXPECT_TRUE(InBounds(10, 0, 5, 5, 10, 0));
  EXPECT_TRUE(InBounds(10, 0, 5, 5, 14, 4));
  EXPECT_FALSE(InBounds(10, 0, 5, 5, 15, 0));
  EXPECT_FALSE(InBounds(10, 0, 5, 5, 10, 5));
}

TEST(Colours, MakeAndSplitRoundTrip) {
  EXPECT_EQ(MakeColor(128, 195, 139), 9159552u);
  int r, g, b;
  SplitColor(9159552u, r, g, b);
  EXPECT_EQ(r, 128);
  EXPECT_EQ(g, 195);
  EXPECT_EQ(b, 139);
}

}  // namespace
}  // namespace lv
