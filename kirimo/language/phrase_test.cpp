#include "kirimo/language/phrase.h"

#include <gtest/gtest.h>

#include "kirimo/language/phrase_pool.h"
#include "kirimo/language/word.h"

namespace {

const TWord Tabe("ﾀﾍﾞ", "食べ", "8");
const TWord Causative = TWord::FromParticleLine("ｻ", "ｾ", "せ", "024");

TEST(Phrase, ChainConcatenatesOldestNodeFirst) {
  TPhrasePool pool;
  const TPhrase* first = pool.New(Tabe, 2);
  const TPhrase* second = pool.New(Causative, 5, first);
  EXPECT_EQ(second->GetReading(), "ﾀﾍﾞｻｾ");
  EXPECT_EQ(second->GetNotation(), "食べさせ");
  EXPECT_EQ(second->GetKey(), "ﾀﾊｻｻ");
  EXPECT_EQ(second->GetKeyLength(), 4);
  EXPECT_EQ(second->LastWord(), &Causative);
  EXPECT_EQ(second->LastForm(), 5);
  EXPECT_EQ(second->Previous(), first);
}

TEST(Phrase, FollowedNodeAddsNothing) {
  TPhrasePool pool;
  const TPhrase* word = pool.New(Tabe, 1);
  const TPhrase* followed = word->Follow(pool)->Follow(pool);
  EXPECT_EQ(followed->Word(), nullptr);
  EXPECT_EQ(followed->Form(), -1);
  EXPECT_EQ(followed->GetKey(), word->GetKey());
  EXPECT_EQ(followed->GetReading(), "ﾀﾍﾞﾖｳ");
  EXPECT_EQ(followed->GetNotation(), "食べよう");
  EXPECT_EQ(followed->GetKeyLength(), 4);
  EXPECT_EQ(followed->LastWord(), &Tabe);
  EXPECT_EQ(followed->LastForm(), 1);
  TPhrase start;
  EXPECT_EQ(start.GetReading(), "");
  EXPECT_EQ(start.GetKeyLength(), 0);
}

TEST(Phrase, MatchKeyAtCountsKeyLettersOfTheReading) {
  TPhrase phrase(Tabe, 1);  // ﾀﾍﾞﾖｳ
  EXPECT_EQ(phrase.MatchKeyAt("ﾊ", 2), MatchYes);
  EXPECT_EQ(phrase.MatchKeyAt("ﾔ", 2), MatchNo);
  EXPECT_EQ(phrase.MatchKeyAt("ｱ", 4), MatchYes);
  EXPECT_EQ(phrase.MatchKeyAt("ﾊ", 5), MatchBeyondEnd);
  EXPECT_EQ(phrase.MatchKeyAt("ﾀ", 0), MatchBeyondEnd);
}

TEST(Phrase, MatchKeyStringAtComparesBytesOfTheKey) {
  TPhrase phrase(Tabe, 1);  // ﾀﾊﾔｱ
  EXPECT_EQ(phrase.MatchKeyStringAt("ﾔ", 3), MatchYes);
  EXPECT_EQ(phrase.MatchKeyStringAt("ﾀ", 3), MatchNo);
  EXPECT_EQ(phrase.MatchKeyStringAt("ｱ", 5), MatchBeyondEnd);
  EXPECT_EQ(phrase.MatchKeyStringAt("ﾀ", 0), MatchBeyondEnd);
}

TEST(Phrase, MatchSyllableAtCountsMarksAndFoldsSmallKanaAndSymbols) {
  TPhrase tabe(Tabe, 4);  // ﾀﾍﾞ
  EXPECT_EQ(tabe.MatchSyllableAt("ﾍ", 2), MatchYes);
  EXPECT_EQ(tabe.MatchSyllableAt("ﾊ", 2), MatchNo);
  EXPECT_EQ(tabe.MatchSyllableAt("ﾞ", 3), MatchYes);
  EXPECT_EQ(tabe.MatchSyllableAt("ﾍ", 3), MatchNo);
  EXPECT_EQ(tabe.MatchSyllableAt("ﾀ", 4), MatchBeyondEnd);

  TWord small("ｷｯﾃ", "切手", "1");
  TPhrase kitte(small, 0);
  EXPECT_EQ(kitte.MatchSyllableAt("ﾂ", 2), MatchYes);
  EXPECT_EQ(kitte.MatchSyllableAt("ｯ", 2), MatchNo);

  TWord symbol("A!", "A!", "1");
  TPhrase bang(symbol, 0);
  EXPECT_EQ(bang.MatchSyllableAt("@", 2), MatchYes);
  EXPECT_EQ(bang.MatchSyllableAt("ｰ", 2), MatchYes);
  EXPECT_EQ(bang.MatchSyllableAt("!", 2), MatchNo);
}

TEST(PhrasePool, NodesStayInPlaceAsThePoolGrows) {
  TPhrasePool pool;
  const TPhrase* node = pool.New(Tabe, 0);
  const TPhrase* first = node;
  for (int i = 0; i < 5000; ++i) node = node->Follow(pool);
  EXPECT_EQ(pool.Count(), 5001u);
  EXPECT_EQ(first->Word(), &Tabe);
  EXPECT_EQ(node->LastWord(), &Tabe);
  TPhrasePool moved = std::move(pool);
  EXPECT_EQ(node->LastForm(), 0);
}

}  // namespace
