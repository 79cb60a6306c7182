#include "gleaner/extract_words.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ExtractWords, CutsRunsOfOneClassInOrderOfFirstAppearance) {
  EXPECT_THAT(ExtractWords("山田さんはＡＢＣ社のPCを3台買った。"),
              ElementsAre("山田", "ＡＢＣ", "社", "PC", "台買"));
  EXPECT_THAT(ExtractWords("木を切る"), ElementsAre("木", "切"));
  EXPECT_THAT(ExtractWords("カタカナとテキスト、ｶﾀｶﾅ"),
              ElementsAre("カタカナ", "テキスト", "ｶﾀｶﾅ"));
}

TEST(ExtractWords, DateAndTimeUnitsAfterANumberStartNoWord) {
  EXPECT_THAT(ExtractWords("2005年度予算"), ElementsAre("度予算"));
  EXPECT_THAT(ExtractWords("10月"), IsEmpty());
  EXPECT_THAT(ExtractWords("12時30分15秒に5日"), IsEmpty());
  // Only right after a number: elsewhere the unit is a kanji like any other.
  EXPECT_THAT(ExtractWords("毎年の月日"), ElementsAre("毎年", "月日"));
  // Full-width digits are numbers too; a blank is not.
  EXPECT_THAT(ExtractWords("１０月"), IsEmpty());
  EXPECT_THAT(ExtractWords("、月日"), ElementsAre("月日"));
}

TEST(ExtractWords, SingleKatakanaOrLetterIsNoWord) {
  EXPECT_THAT(ExtractWords("アとaとＡとｱ"), IsEmpty());
  EXPECT_THAT(ExtractWords(""), IsEmpty());
  EXPECT_THAT(ExtractWords("、。 123\r\n"), IsEmpty());
}

TEST(ExtractWords, UnderscoreJoinsLettersAndLastWordCloses) {
  EXPECT_THAT(ExtractWords("foo_bar"), ElementsAre("foo_bar"));
  EXPECT_THAT(ExtractWords("x _ y"), IsEmpty());
  EXPECT_THAT(ExtractWords("漢字"), ElementsAre("漢字"));
}

TEST(ExtractWords, DuplicatesIgnoringLetterCaseKeepTheFirstSeen) {
  EXPECT_THAT(ExtractWords("ABCとabcとAbc"), ElementsAre("ABC"));
  EXPECT_THAT(ExtractWords("ａｂｃとＡＢＣとＡｂｃ"), ElementsAre("ａｂｃ"));
  EXPECT_THAT(ExtractWords("東京と東京"), ElementsAre("東京"));
}

TEST(ExtractWords, ClassChangeClosesTheWordWithoutSeparator) {
  // Kanji then katakana then letters: three words.
  EXPECT_THAT(ExtractWords("漢字カナabc"), ElementsAre("漢字", "カナ", "abc"));
  // A trail byte that looks like a letter is never a letter: ソ is 0x83 0x5C, ア 0x83 0x41.
  EXPECT_THAT(ExtractWords("ソア"), ElementsAre("ソア"));
}
