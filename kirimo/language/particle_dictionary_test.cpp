#include "kirimo/language/particle_dictionary.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const TDictionaryJPSub& Dic() {
  static const TDictionaryJPSub dic;
  return dic;
}

// Readings of the phrases of one word, in form order.
std::vector<std::string> ReadingsOf(const TWord* word) {
  std::vector<std::string> readings;
  for (const TPhrase* phrase : Dic().GetPhrases())
    if (phrase->Word() == word) readings.push_back(phrase->GetReading());
  return readings;
}

TEST(DictionaryJPSub, HoldsEveryEntryAndEveryFormWithAReading) {
  EXPECT_EQ(Dic().GetName(), "JPSub");
  EXPECT_EQ(Dic().GetWords().size(), 91u);
  EXPECT_EQ(Dic().GetPhrases().size(), 280u);
  for (int id = 100; id <= 161; ++id) {
    const TWord* particle = Dic().FindWordById(id);
    ASSERT_NE(particle, nullptr) << id;
    EXPECT_EQ(ReadingsOf(particle), std::vector<std::string>{particle->Reading()}) << id;
  }
}

TEST(DictionaryJPSub, AuxiliariesAndBoundWordsContributeTheirForms) {
  EXPECT_EQ(ReadingsOf(Dic().FindWordById(23)),
            (std::vector<std::string>{"ﾚ", "ﾚﾖｳ", "ﾚｻ", "ﾚﾗ", "ﾚ", "ﾚ", "ﾚ", "ﾚ", "ﾚﾙ", "ﾚﾙ", "ﾚﾚ",
                                      "ﾚﾛ"}));
  EXPECT_EQ(ReadingsOf(Dic().FindWordById(26)).size(), 8u);
  EXPECT_EQ(
      ReadingsOf(Dic().FindWordById(201)),
      (std::vector<std::string>{"ｼﾖｳ", "ｻ", "ｻ", "ｼ", "ｼ", "ｼ", "ｼ", "ｽﾙ", "ｽﾙ", "ｽﾚ", "ｼﾛ"}));
  EXPECT_EQ(ReadingsOf(Dic().FindWordById(205)),
            (std::vector<std::string>{"ﾖｳ", "ｻ", "ﾗ", "ﾙ", "ﾙ", "ﾚ", "ﾛ"}));
  // The phrases stand in word order, then form order.
  const TPhrase* last = Dic().GetPhrases().back();
  EXPECT_EQ(last->Word(), Dic().FindWordById(207));
  EXPECT_EQ(last->GetNotation(), "つけ");
}

TEST(DictionaryJPSub, FindWordByIdAnswersNoneForUnknownIds) {
  const TWord* koto = Dic().FindWordById(198);
  ASSERT_NE(koto, nullptr);
  EXPECT_EQ(koto->Notation(), "こと");
  EXPECT_EQ(koto->WordType(), 1);
  EXPECT_EQ(Dic().FindWordById(0), nullptr);
  EXPECT_EQ(Dic().FindWordById(99), nullptr);
}

TEST(DictionaryJPSub, SkipsCommentsAndShortLines) {
  TDictionaryJPSub dic({";100,ｶ,ｶﾞ,が,100", "101,ﾅ", "102,ﾜ,ｦ,を,102"});
  ASSERT_EQ(dic.GetWords().size(), 1u);
  EXPECT_EQ(dic.FindWordById(100), nullptr);
  EXPECT_EQ(dic.FindWordById(102)->Notation(), "を");
  EXPECT_EQ(dic.GetPhrases().size(), 1u);
}

}  // namespace
