#include "common/key_encoding.h"

#include <gtest/gtest.h>

TEST(ToKeyString, ReadingsGiveOneRowLetterPerKanaWithoutVoicedMarks) {
  EXPECT_EQ(ToKeyString("ｶﾞｯｺｳ"), "ｶﾀｶｱ");
  EXPECT_EQ(ToKeyString("ﾃﾞｰﾀ"), "ﾀｰﾀ");
  EXPECT_EQ(ToKeyString("ﾊﾟﾝ"), "ﾊﾜ");
  EXPECT_EQ(ToKeyString("ｷｬﾝﾌﾟ"), "ｶﾔﾜﾊ");
  EXPECT_EQ(ToKeyString("ｦｧｨｩｪｫｬｭｮ"), "ﾜｱｱｱｱｱﾔﾔﾔ");
  EXPECT_EQ(ToKeyString("ｱｲｳｴｵﾅﾆﾇﾈﾉﾏﾐﾑﾒﾓﾗﾘﾙﾚﾛ"), "ｱｱｱｱｱﾅﾅﾅﾅﾅﾏﾏﾏﾏﾏﾗﾗﾗﾗﾗ");
  EXPECT_EQ(ToKeyString("ﾞﾟ"), "");
}

TEST(ToKeyString, LatinDigitsAndSymbols) {
  EXPECT_EQ(ToKeyString("abc"), "AAA");
  EXPECT_EQ(ToKeyString("PQRS"), "PPPP");
  EXPECT_EQ(ToKeyString("defghijklmnotuvwxyz"), "DDDGGGJJJMMMTTTWWWW");
  EXPECT_EQ(ToKeyString("A1!"), "A0@");
  EXPECT_EQ(ToKeyString("a b"), "A@A");
  EXPECT_EQ(ToKeyString(" a "), "@A@");  // outer blanks stay once the text is not blank
  EXPECT_EQ(ToKeyString("*"), "@");
  EXPECT_EQ(ToKeyString("/"), "@");
  EXPECT_EQ(ToKeyString("_"), "_");
  EXPECT_EQ(ToKeyString("｡｢"), "@@");
}

TEST(ToKeyString, BlankTextIsEmpty) {
  EXPECT_EQ(ToKeyString(""), "");
  EXPECT_EQ(ToKeyString(" \t\r\n"), "");
  EXPECT_EQ(ToKeyString(std::string_view("\0 ", 2)), "");
}

TEST(ToKeyString, DoubleByteCharactersGiveTwoLetters) {
  // か is 0x82 0xA9 (ｩ) and ア is 0x83 0x41 ("A"): never their row letter.
  EXPECT_EQ(ToKeyString("か"), "@ｱ");
  EXPECT_EQ(ToKeyString("ア"), "@A");
  // ポ is 0x83 0x7C; a trail byte 0xDE stays a letter of its own.
  EXPECT_EQ(ToKeyString("ポ"), "@@");
  EXPECT_EQ(ToKeyString("\x88\xDE"), "@@");
  // A lead byte at the very end is one character.
  EXPECT_EQ(ToKeyString("ｱ\x82"), "ｱ@");
}

TEST(ToPatternKey, KanaRowsAndPatternMarksOnly) {
  EXPECT_EQ(ToPatternKey("ｼﾖｳ"), "ｻﾔｱ");
  EXPECT_EQ(ToPatternKey("*"), "*");
  EXPECT_EQ(ToPatternKey("ｰ"), "ｰ");
  EXPECT_EQ(ToPatternKey("A"), "ｰ");
  EXPECT_EQ(ToPatternKey("_/1"), "_/ｰ");
  EXPECT_EQ(ToPatternKey("ｶﾞｯﾀ"), "ｶﾀﾀ");
  EXPECT_EQ(ToPatternKey("  "), "");
}

TEST(NormalizeKana, UpperCaseAndFullSizeKana) {
  EXPECT_EQ(NormalizeKana("ｷｬｯﾁ"), "ｷﾔﾂﾁ");
  EXPECT_EQ(NormalizeKana("abcｧ"), "ABCｱ");
  EXPECT_EQ(NormalizeKana("ｧｨｩｪｫｯｬｭｮ"), "ｱｲｳｴｵﾂﾔﾕﾖ");
  EXPECT_EQ(NormalizeKana("ｶﾞﾊﾟｰ z"), "ｶﾞﾊﾟｰ Z");
  EXPECT_EQ(NormalizeKana(""), "");
}

TEST(NormalizeKana, TrailBytesAreNeverChanged) {
  // ビ is 0x83 0x72 ("r") and ャ 0x83 0x83; ぁ is 0x82 0x9F, ぇ 0x82 0xA5, ぉ 0x82 0xA7 (ｧ).
  EXPECT_EQ(NormalizeKana("ビャぉ"), "ビャぉ");
  EXPECT_EQ(NormalizeKana("a\x82"), "A\x82");
}
