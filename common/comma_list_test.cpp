#include "common/comma_list.h"

#include <gtest/gtest.h>

TEST(SplitCommaList, SeparatorsQuotesAndEmptyFields) {
  EXPECT_EQ(SplitCommaList("a,b,c"), (TStringList{"a", "b", "c"}));
  EXPECT_EQ(SplitCommaList(" a , b "), (TStringList{"a", "b"}));
  EXPECT_EQ(SplitCommaList("a b\tc"), (TStringList{"a", "b", "c"}));
  EXPECT_EQ(SplitCommaList("a,,b"), (TStringList{"a", "", "b"}));
  EXPECT_EQ(SplitCommaList("a,b,"), (TStringList{"a", "b", ""}));
  // Blanks after the last comma: nothing follows it.
  EXPECT_EQ(SplitCommaList("a,b, "), (TStringList{"a", "b"}));
  EXPECT_EQ(SplitCommaList("a,b,\t\r"), (TStringList{"a", "b"}));
  EXPECT_EQ(SplitCommaList("a, ,"), (TStringList{"a", "", ""}));
  EXPECT_EQ(SplitCommaList(",a"), (TStringList{"", "a"}));
  EXPECT_EQ(SplitCommaList("\"a b\",\"say \"\"hi\"\"\""), (TStringList{"a b", "say \"hi\""}));
  EXPECT_EQ(SplitCommaList("\"\",x"), (TStringList{"", "x"}));
  EXPECT_TRUE(SplitCommaList("").empty());
  EXPECT_TRUE(SplitCommaList("   ").empty());
}

TEST(SplitCommaList, DoubleByteTextIsKept) {
  // ソ and 表 end in 0x5C; 、 is a double-byte comma and no separator.
  EXPECT_EQ(SplitCommaList("ｿﾌﾄ,ソ表,あ、い"), (TStringList{"ｿﾌﾄ", "ソ表", "あ、い"}));
  EXPECT_EQ(SplitCommaList("ｱ,あ,_"), (TStringList{"ｱ", "あ", "_"}));
}

TEST(SplitCommaList, UnterminatedQuoteTakesTheRest) {
  EXPECT_EQ(SplitCommaList("\"abc,d"), (TStringList{"abc,d"}));
}
