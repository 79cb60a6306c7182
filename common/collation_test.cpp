#include "common/collation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/string_list.h"

namespace {

TStringList Sorted(TStringList list) {
  std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
    return CompareText(a, b) < 0;
  });
  return list;
}

}  // namespace

TEST(CompareText, ReadingsInKanaOrder) {
  EXPECT_EQ(
      Sorted({"ﾝ", "ｻｸﾗ", "ｱｻ", "ﾜﾀｼ", "ｶﾜ", "ｱｲ", "ﾅﾂ", "ｱ", "ﾔﾏ", "ﾗｸ", "ﾊﾙ", "ﾀﾋﾞ", "ﾏﾁ"}),
      (TStringList{"ｱ", "ｱｲ", "ｱｻ", "ｶﾜ", "ｻｸﾗ", "ﾀﾋﾞ", "ﾅﾂ", "ﾊﾙ", "ﾏﾁ", "ﾔﾏ", "ﾗｸ", "ﾜﾀｼ", "ﾝ"}));
}

TEST(CompareText, VoicingAndSmallKanaCountOnlyAfterTheSounds) {
  // ｶﾞｯｺｳ reads as ｶﾂｺｳ first: after ｶｺｳ (ｺ before ﾂ), before ｶﾂﾏ.
  EXPECT_EQ(Sorted({"ｶﾂﾏ", "ｶﾞｯｺｳ", "ｶｺｳ", "ｶｯｺｳ", "ｶﾂｺｳ"}),
            (TStringList{"ｶｺｳ", "ｶﾂｺｳ", "ｶｯｺｳ", "ｶﾞｯｺｳ", "ｶﾂﾏ"}));
  EXPECT_GT(CompareText("ﾊﾟﾝ", "ﾊﾞﾅﾅ"), 0);  // ﾝ after ﾅ decides before the marks
  EXPECT_LT(CompareText("ﾊﾞﾝ", "ﾊﾟﾝ"), 0);
  EXPECT_LT(CompareText("ﾊﾝ", "ﾊﾞﾝ"), 0);
  EXPECT_LT(CompareText("ｷﾔｸ", "ｷｬｸ"), 0);
  EXPECT_LT(CompareText("ｷｬｸ", "ｷﾕｳ"), 0);
}

TEST(CompareText, ScriptsAndWidthsOfOneSoundAreEqualFirst) {
  EXPECT_LT(CompareText("かっこう", "ガッコウ"), 0);
  EXPECT_LT(CompareText("ガッコウ", "ｶﾞｯｺｳ"), 0);
  EXPECT_LT(CompareText("ｶﾞｯｺｳ", "がっこうい"), 0);
  EXPECT_LT(CompareText("ｶﾞｯｺｳ", "かつま"), 0);
  EXPECT_LT(CompareText("ゐ", "ヲ"), 0);
  EXPECT_LT(CompareText("ヴ", "エ"), 0);  // ヴ is a voiced ウ
  // The long-vowel mark is the vowel before it.
  EXPECT_LT(CompareText("ｶｱ", "ｶｰ"), 0);
  EXPECT_LT(CompareText("ｶｰ", "ｶｲ"), 0);
  EXPECT_LT(CompareText("データ", "ﾃﾞｴﾀ"), 0);
  EXPECT_GT(CompareText("ﾃﾞｰﾀ", "ﾃﾞｴﾀ"), 0);
}

TEST(CompareText, LettersDigitsSymbolsAndKanji) {
  EXPECT_EQ(Sorted({"漢字", "ｶﾝｼﾞ", "b", "A", "a", "Ｂ", "1", "２", "!", " ", "α"}),
            (TStringList{" ", "!", "1", "２", "a", "A", "b", "Ｂ", "α", "ｶﾝｼﾞ", "漢字"}));
  EXPECT_LT(CompareText("abc", "ABD"), 0);  // case only after the letters
  EXPECT_LT(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("VK_F10", "VK_F2"), 0);  // character by character
  EXPECT_LT(CompareText("亜", "阿"), 0);
}

TEST(CompareText, EqualOnlyForEqualTextsAndSafeOnAnyBytes) {
  EXPECT_EQ(CompareText("", ""), 0);
  EXPECT_EQ(CompareText("ｶﾞ", "ｶﾞ"), 0);
  EXPECT_LT(CompareText("", "a"), 0);
  EXPECT_GT(CompareText("a", ""), 0);
  EXPECT_NE(CompareText("\x87\x54", "\xFA\x4A"), 0);  // one character, two codes
  EXPECT_NE(CompareText("\x82", "\x83"), 0);
  EXPECT_NE(CompareText(std::string_view("a\0", 2), "a"), 0);
  EXPECT_NE(CompareText("ﾞ", "ｰ"), 0);
  EXPECT_NE(CompareText("ｦﾞ", "ｦ"), 0);
}
