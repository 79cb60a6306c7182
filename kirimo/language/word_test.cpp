#include "kirimo/language/word.h"

#include <gtest/gtest.h>

namespace {

TEST(Word, DictionaryLineBecomesHalfWidthReadingNotationAndType) {
  TWord word("タベ", "食べ", "8");
  EXPECT_EQ(word.Reading(), "ﾀﾍﾞ");
  EXPECT_EQ(word.Notation(), "食べ");
  EXPECT_EQ(word.WordType(), 8);
  TWord empty("_", "_", "001");
  EXPECT_EQ(empty.Reading(), "");
  EXPECT_EQ(empty.Notation(), "");
  EXPECT_EQ(empty.KeyLength(), 0);
  // Only the width changes: hiragana stays hiragana.
  EXPECT_EQ(TWord("たべ", "x", "8").Reading(), "たべ");
}

TEST(Word, ParticleLineKeepsItsReadingAsWritten) {
  TWord word = TWord::FromParticleLine("ﾀﾀ", "ｯﾃ", "って", "161");
  EXPECT_EQ(word.Reading(), "ｯﾃ");
  EXPECT_EQ(word.WordType(), 161);
  EXPECT_EQ(TWord::FromParticleLine("_", "_", "_", "004").Reading(), "");
}

TEST(Word, TypeTextIsADecimalNumberTruncatedWithinSixteenBits) {
  EXPECT_EQ(ParseWordType("abc"), 0);
  EXPECT_EQ(ParseWordType("8.9"), 8);
  EXPECT_EQ(ParseWordType("-1"), -1);
  EXPECT_EQ(ParseWordType("-1.9"), -1);
  EXPECT_EQ(ParseWordType("40000"), 0);
  EXPECT_EQ(ParseWordType("32767"), 32767);
  EXPECT_EQ(ParseWordType("-32768"), -32768);
  EXPECT_EQ(ParseWordType("+021"), 21);
  EXPECT_EQ(ParseWordType(" 5 "), 5);
  EXPECT_EQ(ParseWordType("1e2"), 100);
  for (const char* bad : {"", ".", "-", "8x", "0x10", "$10", "1e", "1 2", "nan", "inf"})
    EXPECT_EQ(ParseWordType(bad), 0) << bad;
}

TEST(Word, FormsAppendTheEndingsOfTheType) {
  TWord word("ﾀﾍﾞ", "食べ", "8");
  EXPECT_EQ(word.Key(), "ﾀﾊ");
  EXPECT_EQ(word.KeyOf(1), "ﾀﾊﾔｱ");
  EXPECT_EQ(word.ReadingOf(1), "ﾀﾍﾞﾖｳ");
  EXPECT_EQ(word.NotationOf(1), "食べよう");
  EXPECT_EQ(word.KeyLength(), 2);
  EXPECT_EQ(word.KeyLengthOf(1), 4);
  EXPECT_EQ(word.ReadingOf(4), "ﾀﾍﾞ");
  EXPECT_EQ(word.KeyOf(4), "ﾀﾊ");
  EXPECT_EQ(word.KeyLengthOf(4), 2);
  // A form the type lacks: the stem and "_".
  EXPECT_EQ(TWord("ｸ", "来", "2").NotationOf(0), "来_");
  EXPECT_EQ(TWord("ｼﾝ", "信", "6").NotationOf(10), "信ずれ");
}

}  // namespace
