#include "common/text_checks.h"

#include <gtest/gtest.h>

TEST(IsInteger, DecimalWithinThirtyTwoBits) {
  EXPECT_TRUE(IsInteger("0"));
  EXPECT_TRUE(IsInteger("001"));
  EXPECT_TRUE(IsInteger("-12"));
  EXPECT_TRUE(IsInteger("+12"));
  EXPECT_TRUE(IsInteger("  7"));
  EXPECT_TRUE(IsInteger("2147483647"));
  EXPECT_TRUE(IsInteger("-2147483648"));
  EXPECT_FALSE(IsInteger("2147483648"));
  EXPECT_FALSE(IsInteger("-2147483649"));
  EXPECT_FALSE(IsInteger("99999999999999999999"));
  EXPECT_FALSE(IsInteger(""));
  EXPECT_FALSE(IsInteger(" "));
  EXPECT_FALSE(IsInteger("-"));
  EXPECT_FALSE(IsInteger("7 "));
  EXPECT_FALSE(IsInteger("1a"));
  EXPECT_FALSE(IsInteger("１"));
  EXPECT_FALSE(IsInteger(std::string_view("1\0", 2)));
}

TEST(IsInteger, HexadecimalAfterDollar) {
  EXPECT_TRUE(IsInteger("$1F"));
  EXPECT_TRUE(IsInteger("$ff"));
  EXPECT_TRUE(IsInteger("-$10"));
  EXPECT_FALSE(IsInteger("$"));
  EXPECT_FALSE(IsInteger("$G"));
  EXPECT_FALSE(IsInteger("$100000000"));
  EXPECT_FALSE(IsInteger("0x10"));
}

TEST(ToIntegerOr, ValueOrFallback) {
  EXPECT_EQ(ToIntegerOr("021", -1), 21);
  EXPECT_EQ(ToIntegerOr("-2147483648", 0), -2147483647 - 1);
  EXPECT_EQ(ToIntegerOr("$1F", 0), 31);
  EXPECT_EQ(ToIntegerOr("-$10", 0), -16);
  EXPECT_EQ(ToIntegerOr("$FFFFFFFF", 0), -1);
  EXPECT_EQ(ToIntegerOr("x", 5), 5);
  EXPECT_EQ(ToIntegerOr("", 5), 5);
}

TEST(IsBracketPair, TheFourteenPairsOnly) {
  for (const char* pair : {"()", "[]", "{}", "\"\"", "''", "<>", "｢｣", "（）", "［］", "｛｝", "””",
                           "’’", "＜＞", "「」"})
    EXPECT_TRUE(IsBracketPair(pair)) << pair;
  EXPECT_FALSE(IsBracketPair("“”"));
  EXPECT_FALSE(IsBracketPair("‘’"));
  EXPECT_FALSE(IsBracketPair(")("));
  EXPECT_FALSE(IsBracketPair("("));
  EXPECT_FALSE(IsBracketPair("()x"));
  EXPECT_FALSE(IsBracketPair(""));
  EXPECT_FALSE(IsBracketPair("\x81\x69"));
}
