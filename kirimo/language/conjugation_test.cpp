#include "kirimo/language/conjugation.h"

#include <gtest/gtest.h>

#include "common/comma_list.h"
#include "kirimo/language/grammar_data.h"

namespace {

const TConjugation& Conj() { return GetConjugation(); }

TEST(Conjugation, EndingsInTheirThreeShapes) {
  EXPECT_EQ(Conj().EndingNotation(8, 1), "よう");
  EXPECT_EQ(Conj().EndingReading(8, 1), "ﾖｳ");
  EXPECT_EQ(Conj().EndingKey(8, 1), "ﾔｱ");
  EXPECT_EQ(Conj().EndingNotation(8, 4), "");
  EXPECT_EQ(Conj().EndingKey(8, 4), "");
  EXPECT_EQ(Conj().EndingNotation(2, 0), "_");
  EXPECT_EQ(Conj().EndingKey(2, 0), "_");
  EXPECT_EQ(Conj().EndingKey(22, 7), "ﾀﾀ");
  EXPECT_EQ(Conj().EndingReading(9, 6), "ｲ");
  EXPECT_EQ(Conj().EndingReading(10, 6), "ｯ");
  EXPECT_EQ(Conj().EndingNotation(1, 0), "");
  EXPECT_EQ(Conj().EndingNotation(1, 1), "_");
  EXPECT_EQ(Conj().EndingReading(6, 10), "ｽﾞﾚ");
}

TEST(Conjugation, TypesWithoutARowHaveNoEndingsAndTheListOfRowZero) {
  for (int form = 0; form < FormCount; ++form) {
    EXPECT_EQ(Conj().EndingKey(150, form), "");
    EXPECT_EQ(Conj().EndingNotation(100, form), "");
  }
  const auto& list = Conj().EndingList(100);
  EXPECT_EQ(&list, &Conj().EndingList(0));
  EXPECT_EQ(list[0], "*");
  for (int form = 1; form < FormCount; ++form) EXPECT_EQ(list[form], "_");
  EXPECT_EQ(Conj().EndingList(21)[7], "かっ");
}

TEST(Conjugation, FormOutsideTheColumnsIsACallerError) {
  EXPECT_THROW(Conj().EndingKey(8, 12), std::out_of_range);
  EXPECT_THROW(Conj().EndingReading(8, -1), std::out_of_range);
}

TEST(Conjugation, ReadsCommentsShortRowsAndRepeatedTypesSafely) {
  TConjugation conj({";001=x", "007=a,b", "007=c", "bad line"});
  ASSERT_EQ(conj.Items().size(), 2u);
  EXPECT_EQ(conj.EndingNotation(7, 1), "b");  // the first row of a type wins
  EXPECT_EQ(conj.EndingNotation(7, 2), "_");
  EXPECT_EQ(conj.EndingList(1)[0], "a");  // no row: the first row's list
  EXPECT_EQ(TConjugation({}).EndingList(5)[0], "*");
}

// Readings and keys of every form of every verb, adjective and auxiliary row,
// written out by hand: "*" stands for the empty ending.
struct TExpectedRow {
  int Type;
  const char* Readings;
  const char* Keys;
};

TEST(Conjugation, EveryRowGivesItsReadingsAndKeys) {
  const TExpectedRow rows[] = {
      {2, "_ ｺﾖｳ ｺｻ ｺﾗ ｺ ｷ ｷ ｷ ｸﾙ ｸﾙ ｸﾚ ｺｲ", "_ ｶﾔｱ ｶｻ ｶﾗ ｶ ｶ ｶ ｶ ｶﾗ ｶﾗ ｶﾗ ｶｱ"},
      {3, "* ﾖｳ ｻ ﾗ * * * * ﾙ ﾙ ﾚ ｲ", "* ﾔｱ ｻ ﾗ * * * * ﾗ ﾗ ﾗ ｱ"},
      {4, "* ｼﾖｳ ｻ ｻ ｼ ｼ ｼ ｼ ｽﾙ ｽﾙ ｽﾚ ｼﾛ", "* ｻﾔｱ ｻ ｻ ｻ ｻ ｻ ｻ ｻﾗ ｻﾗ ｻﾗ ｻﾗ"},
      {5, "* ｼﾖｳ ｾｻ ｾﾗ ｼ ｼ ｼ ｼ ｽﾙ ｽﾙ ｽﾚ ｼﾛ", "* ｻﾔｱ ｻｻ ｻﾗ ｻ ｻ ｻ ｻ ｻﾗ ｻﾗ ｻﾗ ｻﾗ"},
      {6, "* ｾﾞﾖｳ ｾﾞｻ ｾﾞﾗ ｼﾞ ｼﾞ ｼﾞ ｼﾞ ｽﾞﾙ ｽﾞﾙ ｽﾞﾚ ｼﾞﾛ", "* ｻﾔｱ ｻｻ ｻﾗ ｻ ｻ ｻ ｻ ｻﾗ ｻﾗ ｻﾗ ｻﾗ"},
      {7, "* ｿｳ ｻ ｻ ｻ ｼ ｼ ｼ ｽﾙ ｽﾙ ｽﾚ ｾ", "* ｻｱ ｻ ｻ ｻ ｻ ｻ ｻ ｻﾗ ｻﾗ ｻﾗ ｻ"},
      {8, "* ﾖｳ ｻ ﾗ * * * * ﾙ ﾙ ﾚ ﾛ", "* ﾔｱ ｻ ﾗ * * * * ﾗ ﾗ ﾗ ﾗ"},
      {9, "* ｺｳ ｶ ｶ ｶ ｷ ｲ ｲ ｸ ｸ ｹ ｹ", "* ｶｱ ｶ ｶ ｶ ｶ ｱ ｱ ｶ ｶ ｶ ｶ"},
      {10, "* ｺｳ ｶ ｶ ｶ ｷ ｯ ｯ ｸ ｸ ｹ ｹ", "* ｶｱ ｶ ｶ ｶ ｶ ﾀ ﾀ ｶ ｶ ｶ ｶ"},
      {11, "* ｺﾞｳ ｶﾞ ｶﾞ ｶﾞ ｷﾞ ｲ ｲ ｸﾞ ｸﾞ ｹﾞ ｹﾞ", "* ｶｱ ｶ ｶ ｶ ｶ ｱ ｱ ｶ ｶ ｶ ｶ"},
      {12, "* ｿｳ ｻ ｻ ｻ ｼ ｼ ｼ ｽ ｽ ｾ ｾ", "* ｻｱ ｻ ｻ ｻ ｻ ｻ ｻ ｻ ｻ ｻ ｻ"},
      {13, "* ﾄｳ ﾀ ﾀ ﾀ ﾁ ｯ ｯ ﾂ ﾂ ﾃ ﾃ", "* ﾀｱ ﾀ ﾀ ﾀ ﾀ ﾀ ﾀ ﾀ ﾀ ﾀ ﾀ"},
      {14, "* ﾉｳ ﾅ ﾅ ﾅ ﾆ ﾝ ﾝ ﾇ ﾇ ﾈ ﾈ", "* ﾅｱ ﾅ ﾅ ﾅ ﾅ ﾜ ﾜ ﾅ ﾅ ﾅ ﾅ"},
      {15, "* ﾎﾞｳ ﾊﾞ ﾊﾞ ﾊﾞ ﾋﾞ ﾝ ﾝ ﾌﾞ ﾌﾞ ﾍﾞ ﾍﾞ", "* ﾊｱ ﾊ ﾊ ﾊ ﾊ ﾜ ﾜ ﾊ ﾊ ﾊ ﾊ"},
      {16, "* ﾓｳ ﾏ ﾏ ﾏ ﾐ ﾝ ﾝ ﾑ ﾑ ﾒ ﾒ", "* ﾏｱ ﾏ ﾏ ﾏ ﾏ ﾜ ﾜ ﾏ ﾏ ﾏ ﾏ"},
      {17, "* ﾛｳ ﾗ ﾗ ﾗ ﾘ ｯ ｯ ﾙ ﾙ ﾚ ﾚ", "* ﾗｱ ﾗ ﾗ ﾗ ﾗ ﾀ ﾀ ﾗ ﾗ ﾗ ﾗ"},
      {18, "* ﾛｳ ﾗ ﾗ ﾗ ｲ ｯ ｯ ﾙ ﾙ ﾚ ﾚ", "* ﾗｱ ﾗ ﾗ ﾗ ｱ ﾀ ﾀ ﾗ ﾗ ﾗ ﾗ"},
      {19, "* ｵｳ ﾜ ﾜ ﾜ ｲ ｯ ｯ ｳ ｳ ｴ ｴ", "* ｱｱ ﾜ ﾜ ﾜ ｱ ﾀ ﾀ ｱ ｱ ｱ ｱ"},
      {20, "* ｵｳ ﾜ ﾜ ﾜ ｲ ｳ ｳ ｳ ｳ ｴ ｴ", "* ｱｱ ﾜ ﾜ ﾜ ｱ ｱ ｱ ｱ ｱ ｱ ｱ"},
      {21, "* ｶﾛｳ _ _ _ ｸ ｸ ｶｯ ｲ ｲ ｹﾚ _", "* ｶﾗｱ _ _ _ ｶ ｶ ｶﾀ ｱ ｱ ｶﾗ _"},
      {22, "* ﾀﾞﾛｳ _ _ _ ﾆ ﾃﾞ ﾀﾞｯ ﾀﾞ ﾅ ﾅﾗ _", "* ﾀﾗｱ _ _ _ ﾅ ﾀ ﾀﾀ ﾀ ﾅ ﾅﾗ _"},
      {23, "* ﾖｳ ｻ ﾗ * * * * ﾙ ﾙ ﾚ ﾛ", "* ﾔｱ ｻ ﾗ * * * * ﾗ ﾗ ﾗ ﾗ"},
      {24, "* ﾖｳ ｻ ﾗ * * * * ﾙ ﾙ ﾚ ﾛ", "* ﾔｱ ｻ ﾗ * * * * ﾗ ﾗ ﾗ ﾗ"},
      {25, "* ﾛｳ ﾗ ﾗ ﾗ ﾘ ｯ ｯ ﾙ ﾙ ﾚ ﾚ", "* ﾗｱ ﾗ ﾗ ﾗ ﾗ ﾀ ﾀ ﾗ ﾗ ﾗ ﾗ"},
      {26, "* ｶﾛｳ _ _ _ ｸ ｸ ｶｯ ｲ ｲ ｹﾚ _", "* ｶﾗｱ _ _ _ ｶ ｶ ｶﾀ ｱ ｱ ｶﾗ _"},
      {27, "* ｶﾛｳ _ _ _ ｸ ｸ ｶｯ ｲ ｲ ｹﾚ _", "* ｶﾗｱ _ _ _ ｶ ｶ ｶﾀ ｱ ｱ ｶﾗ _"},
      {28, "* ｶﾛｳ _ _ _ ｸ ｸ ｶｯ ｲ ｲ ｹﾚ _", "* ｶﾗｱ _ _ _ ｶ ｶ ｶﾀ ｱ ｱ ｶﾗ _"},
      {29, "* ﾀﾞﾛｳ _ _ _ ﾆ ﾃﾞ ﾀﾞｯ ﾀﾞ ﾅ ﾅﾗ _", "* ﾀﾗｱ _ _ _ ﾅ ﾀ ﾀﾀ ﾀ ﾅ ﾅﾗ _"},
      {30, "* _ _ _ _ _ ﾃﾞ _ ﾀﾞ _ _ _", "* _ _ _ _ _ ﾀ _ ﾀ _ _ _"},
      {31, "* ﾀﾞﾛｳ _ _ _ ﾆ ﾃﾞ ﾀﾞｯ ﾀﾞ ﾅ ﾅﾗ _", "* ﾀﾗｱ _ _ _ ﾅ ﾀ ﾀﾀ ﾀ ﾅ ﾅﾗ _"},
      {32, "_ ﾀﾞﾛｳ _ _ _ _ ﾃﾞ ﾀﾞｯ ﾀﾞ ﾅ ﾅﾗ _", "_ ﾀﾗｱ _ _ _ _ ﾀ ﾀﾀ ﾀ ﾅ ﾅﾗ _"},
      {33, "_ ﾀﾛｳ _ _ _ _ _ _ ﾀ ﾀ ﾀﾗ _", "_ ﾀﾗｱ _ _ _ _ _ _ ﾀ ﾀ ﾀﾗ _"},
      {34, "_ _ _ _ _ ｽﾞ _ _ ﾝ ﾝ ﾈ _", "_ _ _ _ _ ｻ _ _ ﾜ ﾜ ﾅ _"},
      {35, "* ｼｮｳ _ _ ｾ _ ｼ ｼ ｽ ｽ ｽﾚ ｾ", "* ｻﾔｱ _ _ ｻ _ ｻ ｻ ｻ ｻ ｻﾗ ｻ"},
      {36, "* ｼｮｳ _ _ _ _ ｼ ｼ ｽ ｽ _ _", "* ｻﾔｱ _ _ _ _ ｻ ｻ ｻ ｻ _ _"},
      {37, "* _ _ _ _ _ _ _ ｲ ｲ _ _", "* _ _ _ _ _ _ _ ｱ ｱ _ _"},
      {38, "* _ _ _ ｶﾗ ｸ _ _ ｼ ｷ ｹﾚ _", "* _ _ _ ｶﾗ ｶ _ _ ｻ ｶ ｶﾗ _"},
      {39, "* _ _ _ _ ｸ _ _ ｼ ｷ _ _", "* _ _ _ _ ｶ _ _ ｻ ｶ _ _"},
      {40, "_ _ _ _ _ _ _ _ ﾇ ﾇ _ _", "_ _ _ _ _ _ _ _ ﾅ ﾅ _ _"},
      {41, "_ ﾀﾞﾛｳ _ _ _ _ _ _ ﾀﾞ ﾀﾞ ﾀﾞﾗ _", "_ ﾀﾗｱ _ _ _ _ _ _ ﾀ ﾀ ﾀﾗ _"},
  };
  for (const TExpectedRow& row : rows) {
    TStringList readings = SplitCommaList(row.Readings), keys = SplitCommaList(row.Keys);
    TStringList texts = SplitCommaList(GetGrammarData().EndingsOf(row.Type));
    ASSERT_EQ(readings.size(), 12u);
    for (int form = 0; form < FormCount; ++form) {
      auto shown = [](const std::string& e) { return e == "*" ? std::string() : e; };
      EXPECT_EQ(Conj().EndingReading(row.Type, form), shown(readings[form]))
          << row.Type << " form " << form;
      EXPECT_EQ(Conj().EndingKey(row.Type, form), shown(keys[form]))
          << row.Type << " form " << form;
      EXPECT_EQ(Conj().EndingNotation(row.Type, form), shown(texts[form]));
      EXPECT_EQ(Conj().EndingList(row.Type)[form], texts[form]);
    }
  }
}

}  // namespace
