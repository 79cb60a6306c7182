#include "kirimo/engine/phrase_list.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "kirimo/engine/phrase_list_stock.h"
#include "kirimo/language/word.h"

namespace {

// A hand-made word set: every phrase is one word in form 0 (nouns have no ending).
class PhraseList : public testing::Test {
 protected:
  const TWord& Word(std::string_view reading, std::string_view notation,
                    std::string_view type = "1") {
    return Words.emplace_back(reading, notation, type);
  }
  const TPhrase* Phrase(std::string_view reading, std::string_view notation,
                        std::string_view type = "1", int form = 0) {
    return List.Pool().New(Word(reading, notation, type), form);
  }
  void Add(const char* reading, const char* notation) { List.Add(Phrase(reading, notation)); }
  // List as the source of a delegating list; the fixture keeps it.
  std::shared_ptr<TPhraseList> Source() { return {std::shared_ptr<TPhraseList>(), &List}; }

  std::deque<TWord> Words;  // stable addresses
  TPhraseList List;
};

TEST(GroupOfReading, VowelColumnsAndKeyPositions) {
  EXPECT_EQ(GroupOfReading("ｱｶ"), 1);
  EXPECT_EQ(GroupOfReading("ｬ"), 1);
  EXPECT_EQ(GroupOfReading("ｰ"), 1);
  EXPECT_EQ(GroupOfReading("ｷ"), 2);
  EXPECT_EQ(GroupOfReading("ﾝ"), 3);
  EXPECT_EQ(GroupOfReading("ｯ"), 3);
  EXPECT_EQ(GroupOfReading("ﾈ"), 4);
  EXPECT_EQ(GroupOfReading("ｦ"), 5);
  EXPECT_EQ(GroupOfReading("ﾖ"), 5);
  EXPECT_EQ(GroupOfReading("0"), 1);
  EXPECT_EQ(GroupOfReading("b"), 2);
  EXPECT_EQ(GroupOfReading("Y"), 3);
  EXPECT_EQ(GroupOfReading("Z"), 4);
  EXPECT_EQ(GroupOfReading("s"), 4);
  EXPECT_EQ(GroupOfReading("1"), 6);
  EXPECT_EQ(GroupOfReading("か"), 6);  // hiragana is not a reading
  EXPECT_EQ(GroupOfReading(""), 6);
}

TEST_F(PhraseList, PhrasesGoToTheGroupOfTheirFirstReadingByte) {
  const TPhrase* empty = List.Pool().New();
  const TPhrase* n = Phrase("ﾝｺﾞ", "んご");
  const TPhrase* z = Phrase("ZOO", "zoo");
  // A continued phrase goes by the reading of its oldest word.
  const TPhrase* grown =
      List.Pool().New(Word("ﾝｺﾞ", "んご"), 0, List.Pool().New(Word("ｵ", "尾"), 0));
  // A stem without a reading: the ending decides ("ﾖｳ").
  const TPhrase* ending = Phrase("_", "_", "8", 1);
  for (const TPhrase* phrase : {empty, n, z, grown, ending}) List.Add(phrase);
  EXPECT_EQ(List.GroupOfLetter("ﾝ"), TPhraseList::TPhrases{n});
  EXPECT_EQ(List.GroupOfLetter("z"), TPhraseList::TPhrases{z});
  EXPECT_EQ(List.GroupOfLetter("ｵ"), (TPhraseList::TPhrases{grown, ending}));
  EXPECT_EQ(List.GroupOfLetter("!"), TPhraseList::TPhrases{empty});
  EXPECT_EQ(List.Count(), 5u);
  EXPECT_EQ(List.GetItem(0), empty);  // as added until a selection
  EXPECT_EQ(List.MaxLength(), 3);
}

TEST_F(PhraseList, ShortListsGrowByTheNextLengthInGroupOrder) {
  // Lengths 1 (two), 2 (three) and 3 (ten): five is not more than five, so length 3 comes too.
  Add("ｺ", "子");
  Add("ｶ", "蚊");
  Add("ｷｼ", "岸");
  Add("ｱｼ", "足");
  Add("ｳｼ", "牛");
  const char* const Threes[] = {"ｵｶｼ", "ｴｲｶ", "ｳｽﾞﾗ", "ｲﾙｶ", "ｱｼﾀ",
                                "ｵﾄﾅ", "ｴﾎﾝ", "ｳｻｷﾞ", "ｲﾜｼ", "ｱﾒﾌ"};
  for (const char* reading : Threes) Add(reading, reading);
  const TStringList& candidates = List.SelectByLength(1);
  EXPECT_EQ(candidates, (TStringList{"蚊", "子", "足", "岸", "牛", "ｱｼﾀ", "ｱﾒﾌ", "ｲﾙｶ", "ｲﾜｼ",
                                     "ｳｽﾞﾗ", "ｳｻｷﾞ", "ｴｲｶ", "ｴﾎﾝ", "ｵｶｼ", "ｵﾄﾅ"}));
  EXPECT_EQ(List.Count(), 15u);  // each phrase once, in group order
  EXPECT_EQ(List.GetItem(0)->GetNotation(), "蚊");

  // More than five of one length: nothing longer is taken.
  for (const char* reading : {"ﾀ", "ﾁ", "ﾂ", "ﾃ"}) Add(reading, reading);
  EXPECT_EQ(List.SelectByLength(1).size(), 6u);
  EXPECT_TRUE(List.SelectByLength(4).empty());
  EXPECT_TRUE(List.SelectByLength(0).empty());
  EXPECT_EQ(List.Count(), 0u);
}

TEST_F(PhraseList, TheFirstPhraseOfANotationWins) {
  const TPhrase* first = Phrase("ｶﾐ", "紙");
  const TPhrase* second = Phrase("ｶﾐ", "紙");
  const TPhrase* other = Phrase("ｶﾐ", "神");
  for (const TPhrase* phrase : {first, second, other}) List.Add(phrase);
  List.SelectByLength(2);
  ASSERT_EQ(List.Candidates().size(), 2u);
  EXPECT_EQ(List.CandidatePhrase(0), first);
  EXPECT_EQ(List.SelectAll(), (TStringList{"紙", "神"}));
  EXPECT_EQ(List.Count(), 3u);
}

TEST_F(PhraseList, ManyCandidatesStayUnique) {
  // Enough to make the candidate index grow several times.
  std::deque<std::string> texts;
  for (int i = 0; i < 500; ++i) {
    std::string& text = texts.emplace_back("ｶ");
    text += std::to_string(i % 250);
    Add("ｶｷ", texts.back().c_str());
  }
  EXPECT_EQ(List.SelectByLength(2).size(), 250u);
}

TEST_F(PhraseList, LongerSelectionsAreSortedByReadingThenNotation) {
  Add("ｻｹ", "鮭");
  Add("ｶｷ", "b");
  Add("ｶｷ", "A");
  Add("ｶｷ", "c");
  Add("ｱﾒ", "雨");
  Add("ｶﾞｲ", "害");
  // A voiced kana sorts with its plain kana (ｶﾞｲ before ｶｷ); letters ignore case.
  EXPECT_EQ(List.SelectByLength(2), (TStringList{"雨", "害", "A", "b", "c", "鮭"}));
}

TEST_F(PhraseList, SortUsesTheKanaOrderOfReadings) {
  Add("ｷｯﾌﾟ", "切符");
  Add("ｶｲｼ", "開始");
  Add("ｷﾂﾈ", "狐");
  Add("ｶﾞｲｶ", "外貨");
  Add("ｷﾂｲ", "きつい");
  Add("ｶｲｺﾞ", "介護");
  // Small kana sort as their large form: ｷｯﾌﾟ as ｷﾂﾌ, after ｷﾂｲ and ｷﾂﾈ.
  EXPECT_EQ(List.SelectByLength(3), (TStringList{"外貨", "介護", "開始", "きつい", "狐", "切符"}));
}

TEST_F(PhraseList, RangeSelectionsAreSortedByNotationLength) {
  Add("ｱｲ", "ai");
  Add("ｱｲｽ", "ice");
  Add("ｱｵ", "Ao");
  Add("ｱｶｲ", "aka");
  Add("ｱｶｼﾝｺﾞｳ", "akashingou");
  // Five or fewer: the range moves on by one while longer phrases exist.
  EXPECT_EQ(List.SelectByRange(2, 3), (TStringList{"ai", "Ao", "aka", "ice", "akashingou"}));
  EXPECT_EQ(List.Count(), 5u);
  EXPECT_EQ(List.SelectByRange(4, 5), TStringList{"akashingou"});
  EXPECT_TRUE(List.SelectByRange(6, 7).empty());  // no phrase reaches the top of the range
  EXPECT_EQ(List.Count(), 0u);
}

TEST_F(PhraseList, VowelNarrowing) {
  Add("ｶ", "蚊");
  Add("ｷ", "木");
  Add("ｶﾞｯｺｳ", "学校");
  Add("ｶﾂ", "勝つ");
  Add("ｶｯﾊﾟ", "河童");
  Add("ｶﾀ", "肩");
  Add("ｸﾂ", "靴");
  // First position: the group of the vowel, key length 1 first, then longer ones.
  EXPECT_EQ(List.NarrowByVowel("ｶ", 1), (TStringList{"蚊", "勝つ", "肩", "河童", "学校"}));
  EXPECT_EQ(List.Count(), 5u);
  // Later positions compare the reading without voicing marks and with small kana made large.
  EXPECT_EQ(List.NarrowByVowel("ﾂ", 2), (TStringList{"勝つ", "靴", "河童", "学校"}));
  EXPECT_EQ(List.Count(), 4u);
  EXPECT_EQ(List.NarrowByVowel("ﾊ", 3), TStringList{"河童"});
  EXPECT_TRUE(List.NarrowByVowel("ｳ", 6).empty());  // longer than any phrase
  EXPECT_TRUE(List.NarrowByVowel("ｶ", 0).empty());
  EXPECT_EQ(List.Count(), 0u);
}

TEST_F(PhraseList, SyllableSelectionsMeasureTheReading) {
  List.AddSyllable(Phrase("ｶﾞ", "蛾"));
  List.AddSyllable(Phrase("ｶ", "蚊"));
  List.AddSyllable(Phrase("ｶﾞｲ", "害"));
  EXPECT_EQ(List.MaxLength(), 3);  // voicing marks count
  EXPECT_EQ(List.SelectSyllable(2), (TStringList{"蛾", "害"}));

  TPhraseList shown(Source());
  EXPECT_EQ(shown.SelectSyllable(1), (TStringList{"蛾", "蚊", "害"}));  // as row mode
}

TEST_F(PhraseList, ADelegatingListShowsItsSource) {
  Add("ｲﾇ", "犬");
  Add("ｲｶ", "烏賊");
  TPhraseList shown(Source());
  EXPECT_TRUE(shown.Delegates());
  shown.Add(shown.Pool().New(Word("ｳﾏ", "馬"), 0));
  EXPECT_EQ(shown.Count(), 3u);
  EXPECT_EQ(List.Count(), 3u);
  EXPECT_EQ(shown.MaxLength(), 2);
  EXPECT_EQ(&shown.SelectByLength(2), &List.Candidates());
  EXPECT_EQ(shown.Candidates().size(), 3u);
  EXPECT_EQ(shown.GetItem(2)->GetNotation(), "馬");
  shown.SetAnchor("ｳ");
  shown.SetSavedIndex(4);
  EXPECT_EQ(List.GetAnchor(), "ｳ");
  EXPECT_EQ(List.GetSavedIndex(), 4);
  EXPECT_EQ(TPhraseList().GetSavedIndex(), -1);
}

TEST_F(PhraseList, AnchorsJumpFromInitialToInitial) {
  EXPECT_EQ(List.NextAnchor(), 0);  // no candidates
  for (const char* reading : {"ｶｲ", "ｶﾞｸ", "ｷｸ", "ｷﾞﾝ", "ｸﾘ"}) Add(reading, reading);
  List.SelectByLength(2);               // ｶｲ ｶﾞｸ ｷｸ ｷﾞﾝ ｸﾘ
  EXPECT_EQ(List.AnchorTopIndex(), 0);  // no anchor yet
  EXPECT_EQ(List.NextAnchor(), 2);
  EXPECT_EQ(List.GetAnchor(), "ｷ");
  EXPECT_EQ(List.GetSavedIndex(), 2);
  EXPECT_EQ(List.NextAnchor(), 4);
  EXPECT_EQ(List.NextAnchor(), 0);  // past the last initial: back to the first
  EXPECT_EQ(List.GetAnchor(), "ｶ");

  // A new selection keeps the anchor; its top index is found again.
  List.SetAnchor("ｸ");
  List.SelectByLength(2);
  EXPECT_EQ(List.AnchorTopIndex(), 4);
  List.SetAnchor("ﾜ");
  EXPECT_EQ(List.AnchorTopIndex(), 4);  // no such initial: unchanged
}

TEST_F(PhraseList, AnchorWithASingleInitialStays) {
  Add("ｻｸﾗ", "桜");
  Add("ｻﾞｾﾞ", "ざぜ");
  List.SelectByLength(3);
  EXPECT_EQ(List.NextAnchor(), 0);
  EXPECT_EQ(List.GetAnchor(), "ｻ");
}

TEST_F(PhraseList, InitialsAreComparedNormalised) {
  // Small kana count as large ones; letters, stored half width, as capitals.
  for (const char* reading : {"ｱｲ", "ｧｲ", "ａｂ", "ａｃ", "ab", "Ac"}) Add(reading, reading);
  ASSERT_EQ(List.SelectByLength(2), (TStringList{"ab", "ａｂ", "ａｃ", "Ac", "ｱｲ", "ｧｲ"}));
  EXPECT_EQ(List.NextAnchor(), 4);
  EXPECT_EQ(List.GetAnchor(), "ｱ");
  EXPECT_EQ(List.NextAnchor(), 0);  // ｧ is ｱ: no initial after it
  EXPECT_EQ(List.GetAnchor(), "A");
}

TEST_F(PhraseList, AVoicingMarkAtTheStartIsNoInitial) {
  for (const char* reading : {"ｱｲ", "ﾞｱｳ", "ﾞｶｲ"}) Add(reading, reading);
  ASSERT_EQ(List.SelectByLength(2), (TStringList{"ｱｲ", "ﾞｱｳ", "ﾞｶｲ"}));
  EXPECT_EQ(List.NextAnchor(), 2);
  EXPECT_EQ(List.GetAnchor(), "ｶ");
}

TEST(PhraseListStock, KeepsListsByKey) {
  TPhraseListStock stock;
  EXPECT_EQ(stock.Find("ｶｷｸｹｺ"), nullptr);
  std::shared_ptr<TPhraseList> row = stock.Add("ｶｷｸｹｺ", std::make_shared<TPhraseList>());
  std::shared_ptr<TPhraseList> syllable = stock.Add("ｶ", std::make_shared<TPhraseList>());
  EXPECT_EQ(stock.Find("ｶｷｸｹｺ"), row);
  EXPECT_EQ(stock.Find("ｶ"), syllable);
  EXPECT_EQ(stock.Find("ｷ"), nullptr);
  stock.Clear();
  EXPECT_EQ(stock.Count(), 0u);
  EXPECT_EQ(stock.Find("ｶ"), nullptr);
}

}  // namespace
