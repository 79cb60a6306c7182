#include "common/char_class.h"

#include <gtest/gtest.h>

TEST(CharClass, OneCharacterOfEachClass) {
  EXPECT_EQ(CharClass("あ"), 0);
  EXPECT_EQ(CharClass("漢"), 1);
  EXPECT_EQ(CharClass("カ"), 2);
  EXPECT_EQ(CharClass("Ａ"), 3);
  EXPECT_EQ(CharClass("ｶ"), 4);
  EXPECT_EQ(CharClass("a"), 5);
  EXPECT_EQ(CharClass("1"), 6);
  EXPECT_EQ(CharClass(" "), 6);
}

TEST(CharClass, KanaMarksPunctuationAndOthers) {
  EXPECT_EQ(CharClass("ー"), 2);
  EXPECT_EQ(CharClass("ｰ"), 4);
  EXPECT_EQ(CharClass("ﾞ"), 4);
  EXPECT_EQ(CharClass("・"), 2);
  EXPECT_EQ(CharClass("ヴ"), 2);
  EXPECT_EQ(CharClass("ゞ"), 0);
  EXPECT_EQ(CharClass("々"), 1);
  EXPECT_EQ(CharClass("α"), 3);
  EXPECT_EQ(CharClass("Ж"), 3);
  EXPECT_EQ(CharClass("Ⅳ"), 3);
  EXPECT_EQ(CharClass("\x81\xF0"), 3);  // the angstrom sign
  EXPECT_EQ(CharClass("、"), 0);
  EXPECT_EQ(CharClass("｡"), 0);
  EXPECT_EQ(CharClass("!"), 0);
  EXPECT_EQ(CharClass("★"), 0);
  EXPECT_EQ(CharClass("１"), 6);
  EXPECT_EQ(CharClass("　"), 6);
  EXPECT_EQ(CharClass("\t"), 6);
  EXPECT_EQ(CharClass("\xFA\x5C"), 1);  // an IBM-row kanji
  EXPECT_EQ(CharClass("\xF0\x40"), 6);  // user-defined
}

TEST(CharClass, OddInputIsClassSix) {
  EXPECT_EQ(CharClass(""), 6);
  EXPECT_EQ(CharClass("\x82"), 6);
  EXPECT_EQ(CharClass("\x85\x40"), 6);
  EXPECT_EQ(CharClass("漢a"), 1);  // only the first character counts
}

TEST(IsAllLetters, HalfAndFullWidthLetters) {
  EXPECT_TRUE(IsAllLetters("ABCｘｙ"));
  EXPECT_TRUE(IsAllLetters(""));
  EXPECT_FALSE(IsAllLetters("AB1"));
  EXPECT_FALSE(IsAllLetters("Aｶ"));
  EXPECT_FALSE(IsAllLetters("A "));
  EXPECT_FALSE(IsAllLetters("A\x82"));
}

TEST(IsSingleByteText, NoDoubleByteCharacter) {
  EXPECT_TRUE(IsSingleByteText(""));
  EXPECT_TRUE(IsSingleByteText("abc ｶﾞ｡"));
  EXPECT_FALSE(IsSingleByteText("aあ"));
  EXPECT_FALSE(IsSingleByteText("a\x82"));
}
