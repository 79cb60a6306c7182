#include "common/letter_case.h"

#include <gtest/gtest.h>

TEST(LetterCase, AsciiAndFullWidthLatinLettersFold) {
  EXPECT_EQ(FoldLetterCase("abcXYZ"), "ABCXYZ");
  EXPECT_EQ(FoldLetterCase("ａｂｃｚ"), "ＡＢＣＺ");
  EXPECT_TRUE(EqualsIgnoringLetterCase("ＡｂＣ", "ａＢｃ"));
  EXPECT_TRUE(EqualsIgnoringLetterCase("Kirimo語", "KIRIMO語"));
  // Not the same letter in another width, nor other characters.
  EXPECT_FALSE(EqualsIgnoringLetterCase("ABC", "ＡＢＣ"));
  EXPECT_EQ(FoldLetterCase("あア漢ｱ1_"), "あア漢ｱ1_");
  // A trail byte that looks like a small letter stays: "ヂ" (0x83 0x61) is not "ア" (0x83 0x41).
  EXPECT_EQ(FoldLetterCase("ヂ"), "ヂ");
  EXPECT_FALSE(EqualsIgnoringLetterCase("ヂ", "ア"));
}
