#include "readings/reading_proposer.h"

#include <gtest/gtest.h>

#include "common/dictionary_settings.h"
#include "common/test_folder.h"
#include "readings/fallback_reading_source.h"
#include "readings/reading_index_files.h"

namespace {

// A frequency-ordered file, a handful of words that teach single kanji, and a
// user file without order.
TReadingIndex& SmallIndex() {
  static TReadingIndex* index = [] {
    auto* built = new TReadingIndex;
    built->AddDictionaryText(
        "ｾｲｼﾞ,政治,001\r\nﾏﾂﾘｺﾞﾄ,政治,001\r\nｹﾝｷｭｳ,研究,001\r\nｹﾝｷｭｳ,研究,004\r\n"
        "ｼｮ,所,001\r\nﾄｺﾛ,所,001\r\nｶﾞｯｺｳ,学校,001\r\nｶﾞｸ,学,001\r\n"
        "ｺｳ,高,001\r\nﾄﾓ,共,001\r\nｱ,編,018\r\n"
        // 共 and 編 as compounds read them, each piece seen in more than one word
        "ｷｮｳﾄﾞｳ,共同,001\r\nｷｮｳﾂｳ,共通,001\r\nｺﾞｳﾄﾞｳ,合同,001\r\nｺｳﾂｳ,交通,001\r\n"
        "ｺﾞｳｹｲ,合計,001\r\nｺｳｺﾞ,交互,001\r\nｿﾞｸﾍﾝ,続編,001\r\nｿﾞｸｼｭﾂ,続出,001\r\n"
        "ｼﾝﾍﾝ,新編,001\r\nｼﾝｼｭﾂ,新出,001\r\nｷｮｳｼｭﾂ,共出,001\r\n"
        "ｶ,書,009\r\n\"ﾀﾅ\",棚,001\r\nﾎﾝ,本,001\r\n",
        true);
    built->AddDictionaryText("ほんや,本屋\r\n_,空\r\nxyz\r\n", false);
    built->Finish();
    return built;
  }();
  return *index;
}

class TFixedSource : public TReadingSource {
 public:
  explicit TFixedSource(TStringList answer) : Answer(std::move(answer)) {}
  TStringList ReverseConversion(std::string_view) override {
    ++Calls;
    return Answer;
  }
  TStringList Answer;
  int Calls = 0;
};

}  // namespace

TEST(ReadingProposer, HeldNotationsGiveTheirReadingsInFileOrder) {
  TReadingProposer proposer(SmallIndex());
  EXPECT_EQ(proposer.Propose("政治"), (TStringList{"ｾｲｼﾞ", "ﾏﾂﾘｺﾞﾄ"}));
  EXPECT_EQ(proposer.Propose("研究"), (TStringList{"ｹﾝｷｭｳ"}));  // once, though two types
  EXPECT_EQ(proposer.Propose("本屋"), (TStringList{"ﾎﾝﾔ"}));    // user file, brought to half width
  EXPECT_EQ(proposer.Propose("棚"), (TStringList{"ﾀﾅ"}));       // a quoted field
  EXPECT_TRUE(proposer.Propose("空").empty());                  // "_" is no reading
}

TEST(ReadingProposer, CompoundsAreReadByTheirLongestKnownParts) {
  TReadingProposer proposer(SmallIndex());
  TStringList readings = proposer.Propose("政治研究所");
  ASSERT_FALSE(readings.empty());
  EXPECT_EQ(readings[0], "ｾｲｼﾞｹﾝｷｭｳｼｮ");
  EXPECT_NE(std::find(readings.begin(), readings.end(), "ｾｲｼﾞｹﾝｷｭｳｼﾞｮ"), readings.end());
  EXPECT_LE(readings.size(), static_cast<std::size_t>(TReadingProposer::MaxProposals));
  // Letters, digits and kana read as themselves, full width or not.
  EXPECT_EQ(proposer.Propose("ＡＢ研究2ほん").at(0), "ABｹﾝｷｭｳ2ﾎﾝ");
}

TEST(ReadingProposer, KanjiReadAsTheCompoundsOfTheDictionariesReadThem) {
  TReadingProposer proposer(SmallIndex());
  // The dictionary lists 共 as ﾄﾓ and 編 as a verb stem, but its compounds read ｷｮｳ and ﾍﾝ.
  EXPECT_EQ(proposer.Propose("共編").at(0), "ｷｮｳﾍﾝ");
  // A verb stem reads as such before its kana.
  EXPECT_EQ(proposer.Propose("書き").at(0), "ｶｷ");
}

TEST(CharacterReadings, NeighboursAreCountedAsTheirCompoundsCutThem) {
  const TCharacterReadings& characters = SmallIndex().CharacterReadings();
  EXPECT_EQ(characters.PairCount("続", "ｿﾞｸ", "編", "ﾍﾝ"), 1.0f);  // 続編
  EXPECT_EQ(characters.PairCount("新", "ｼﾝ", "出", "ｼｭﾂ"), 1.0f);  // 新出
  EXPECT_EQ(characters.PairCount("続", "ｿﾞ", "編", "ｸﾍﾝ"), 0.0f);  // another cut
  EXPECT_EQ(characters.PairCount("編", "ﾍﾝ", "続", "ｿﾞｸ"), 0.0f);  // the other order
  EXPECT_EQ(characters.PairCount("共", "ﾄﾓ", "出", "ｼｭﾂ"), 0.0f);  // 共 alone is no compound
}

// Native compounds of 秋, 青, 山, 川 and Sino-Japanese ones of 学, 先, 生, 会.
void LearnKinds(TCharacterReadings& characters) {
  for (int twice = 0; twice < 2; ++twice)
    for (auto [notation, reading] : {std::pair{"秋山", "ｱｷﾔﾏ"},
                                     {"秋川", "ｱｷｶﾜ"},
                                     {"青山", "ｱｵﾔﾏ"},
                                     {"青川", "ｱｵｶﾜ"},
                                     {"学生", "ｶﾞｸｾｲ"},
                                     {"学会", "ｶﾞｸｶｲ"},
                                     {"先生", "ｾﾝｾｲ"},
                                     {"先会", "ｾﾝｶｲ"}})
      characters.Learn(notation, reading);
}

float SinoOf(const TCharacterReadings& characters, std::string_view kanji, std::string_view piece) {
  for (const auto& r : characters.ReadingsOf(kanji, TCharacterReadings::TPlace::Initial))
    if (r.Text == piece) return r.Sino;
  ADD_FAILURE() << "no such reading";
  return -1.0f;
}

TEST(CharacterReadings, AReadingIsOfTheKindOfTheReadingsBesideIt) {
  TCharacterReadings characters;
  LearnKinds(characters);
  characters.Finish();
  // ｱｷ is shaped as ｶﾞｸ is, but keeps company with native readings.
  EXPECT_LT(SinoOf(characters, "秋", "ｱｷ"), 0.6f);
  EXPECT_GT(SinoOf(characters, "学", "ｶﾞｸ"), 0.7f);
  EXPECT_GT(SinoOf(characters, "学", "ｶﾞｸ"), SinoOf(characters, "秋", "ｱｷ") + 0.25f);
}

TEST(ReadingProposer, ReadingsOfOneKindGoTogether) {
  TReadingIndex index;
  // 春 and 田 each read two ways, one native and one Sino-Japanese.
  index.AddDictionaryText(
      "ﾊﾙﾔﾏ,春山,001\r\nﾊﾙｶﾜ,春川,001\r\nｼｭﾝｷ,春季,001\r\nｼｭﾝﾌﾞﾝ,春分,001\r\n"
      "ｱｵﾀ,青田,001\r\nﾓﾘﾀ,森田,001\r\nｵｷﾀ,沖田,001\r\nｽｲﾃﾞﾝ,水田,001\r\n"
      "ｴﾝﾃﾞﾝ,塩田,001\r\nﾕﾃﾞﾝ,油田,001\r\nｱｵﾔﾏ,青山,001\r\nﾓﾘﾔﾏ,森山,001\r\n"
      "ｵｷﾔﾏ,沖山,001\r\nｽｲﾌﾞﾝ,水分,001\r\nｴﾝﾌﾞﾝ,塩分,001\r\nﾕﾌﾞﾝ,油分,001\r\n"
      "ｷｾﾂ,季節,001\r\nｵｵｶﾜ,大川,001\r\nﾊﾙｿﾞﾗ,春空,001\r\nﾊﾙｶｾﾞ,春風,001\r\n",
      true);
  index.Finish();
  TStringList readings = TReadingProposer(index).Propose("春田");
  auto place = [&](const char* reading) {
    return std::find(readings.begin(), readings.end(), reading) - readings.begin();
  };
  ASSERT_LT(place("ﾊﾙﾀ"), std::ssize(readings));
  ASSERT_LT(place("ｼｭﾝﾃﾞﾝ"), std::ssize(readings));
  for (const char* mixed : {"ﾊﾙﾃﾞﾝ", "ｼｭﾝﾀ"}) {
    EXPECT_GT(place(mixed), place("ﾊﾙﾀ")) << mixed;
    EXPECT_GT(place(mixed), place("ｼｭﾝﾃﾞﾝ")) << mixed;
  }
}

TEST(ReadingProposer, ALinkingKanaKeepsTheNextWordUnvoiced) {
  TReadingIndex index;
  index.AddDictionaryText("ﾌｼﾞ,藤,001\r\nｻｷ,崎,001\r\n", true);
  index.Finish();
  TProposalWeights voicing;
  voicing.Voiced = -0.5f * voicing.VoicedAfterLink;
  EXPECT_EQ(TReadingProposer(index, voicing).Propose("藤崎").at(0), "ﾌｼﾞｻﾞｷ");
  EXPECT_EQ(TReadingProposer(index, voicing).Propose("藤ケ崎").at(0), "ﾌｼﾞｶﾞｻｷ");
  EXPECT_EQ(TReadingProposer(index, voicing).Propose("藤の崎").at(0), "ﾌｼﾞﾉｻｷ");
}

TEST(ReadingProposer, AReadingOtherWordsWithTheSameKanjiShareComesFirst) {
  TReadingIndex index;
  index.AddDictionaryText("ｱｲ,哀,001\r\nｶﾜ,川,001\r\n", true);
  // Names ending in 川 read it ｶﾞﾜ after ｱｲ.
  index.AddDictionaryText("ｱｲｶﾞﾜ,相川,001\r\nｱｲｶﾞﾜ,愛川,001\r\nｱｲｶﾞﾜ,藍川,001\r\n", true);
  index.Finish();
  EXPECT_EQ(TReadingProposer(index).Propose("哀川").at(0), "ｱｲｶﾞﾜ");
  TProposalWeights alone;
  alone.SharedReading = alone.SharedEnds = 0;
  EXPECT_EQ(TReadingProposer(index, alone).Propose("哀川").at(0), "ｱｲｶﾜ");
}

TEST(ReadingProposer, WordsBeginningOrEndingAlikeLendTheirReadings) {
  TReadingIndex index;
  index.AddDictionaryText(
      "ﾐﾔﾀ,宮田,001\r\nﾏﾁ,町,001\r\nﾁｮｳ,町,001\r\nｼﾝﾃﾞﾝ,新田,001\r\n"
      "ﾔﾏﾊﾞﾅ,山端,001\r\nｶﾜﾊﾗ,川原,001\r\nｶﾜﾗ,川原,001\r\n",
      true);
  // The places of one town, and places ending in 川原 read ｶﾜﾗ.
  index.AddDictionaryText(
      "ﾐﾔﾀﾁｮｳﾐﾔﾋｶﾞｼ,宮田町宮東,001\r\nﾐﾔﾀﾁｮｳﾎﾝﾀﾞｼﾞﾏ,宮田町本田島,001\r\n"
      "ｵｵｶﾜﾗ,大川原,001\r\nﾆｼｶﾜﾗ,西川原,001\r\n",
      true);
  index.Finish();
  EXPECT_EQ(index.BeginningCount("宮田町", "ﾐﾔﾀﾁｮｳ"), 2);
  EXPECT_EQ(index.BeginningCount("宮田町", "ﾐﾔﾀﾏﾁ"), 0);
  EXPECT_EQ(index.BeginningCount("宮田町宮東", "ﾐﾔﾀﾁｮｳﾐﾔﾋｶﾞｼ"), 0);  // only longer words count
  EXPECT_EQ(index.EndingCount("川原", "ｶﾜﾗ"), 2);
  EXPECT_EQ(index.EndingCount("川原", "ｶﾜﾊﾗ"), 0);  // nor the word itself
  EXPECT_EQ(index.EndingCount("原", "ﾗ"), 0);       // one character is no ending
  EXPECT_EQ(TReadingProposer(index).Propose("宮田町新田").at(0), "ﾐﾔﾀﾁｮｳｼﾝﾃﾞﾝ");
  EXPECT_EQ(TReadingProposer(index).Propose("山端川原").at(0), "ﾔﾏﾊﾞﾅｶﾜﾗ");
  TProposalWeights alone;
  alone.Beginning = alone.Ending = 0;
  EXPECT_EQ(TReadingProposer(index, alone).Propose("宮田町新田").at(0), "ﾐﾔﾀﾏﾁｼﾝﾃﾞﾝ");
  EXPECT_EQ(TReadingProposer(index, alone).Propose("山端川原").at(0), "ﾔﾏﾊﾞﾅｶﾜﾊﾗ");
}

TEST(ReadingProposer, SoundChangesAtTheJoinsAreOffered) {
  TReadingProposer proposer(SmallIndex());
  TStringList shelf = proposer.Propose("本棚");
  EXPECT_NE(std::find(shelf.begin(), shelf.end(), "ﾎﾝﾀﾞﾅ"), shelf.end());
  TStringList school = proposer.Propose("学高");
  EXPECT_NE(std::find(school.begin(), school.end(), "ｶﾞｯｺｳ"), school.end());
  // ﾁ doubles before the ｻ row as ﾂ does (一歳 ｲｯｻｲ); ｸ does not (学歳).
  TReadingIndex index;
  index.AddDictionaryText("ｲﾁ,一,001\r\nｻｲ,歳,001\r\nｶﾞｸ,学,001\r\n", true);
  index.Finish();
  TStringList years = TReadingProposer(index).Propose("一歳");
  EXPECT_NE(std::find(years.begin(), years.end(), "ｲｯｻｲ"), years.end());
  TStringList noDoubling = TReadingProposer(index).Propose("学歳");
  EXPECT_EQ(std::find(noDoubling.begin(), noDoubling.end(), "ｶﾞｯｻｲ"), noDoubling.end());
  // A ケ between kanji is the particle of place names, read ｶﾞ.
  EXPECT_EQ(proposer.Propose("本ケ学").at(0), "ﾎﾝｶﾞｶﾞｸ");
  // A doubled consonant never ends a reading nor stands before a vowel.
  for (const std::string& r : proposer.Propose("学")) EXPECT_NE(r.back(), '\xAF');
}

TEST(ReadingProposer, UnreadableNotationsGiveNothing) {
  TReadingProposer proposer(SmallIndex());
  EXPECT_TRUE(proposer.Propose("鬱").empty());
  EXPECT_TRUE(proposer.Propose("研究鬱").empty());
  EXPECT_TRUE(proposer.Propose("").empty());
  EXPECT_TRUE(proposer.Propose("\x82").empty());  // a lone lead byte
  TReadingIndex empty;
  empty.Finish();
  EXPECT_TRUE(TReadingProposer(empty).Propose("研究").empty());
}

TEST(FallbackReadingSource, AsksTheSecondOnlyWhenTheFirstReadsNothing) {
  TFixedSource ime({" \t", ""});
  TFixedSource own({"ｹﾝｷｭｳ"});
  TFallbackReadingSource source(ime, own);
  TStringList list;
  GetImeReadings(source, "研究", list);
  EXPECT_EQ(list, (TStringList{"ｹﾝｷｭｳ"}));
  ime.Answer = {"けんきゅう "};
  GetImeReadings(source, "研究", list);
  EXPECT_EQ(list, (TStringList{"ｹﾝｷｭｳ"}));
  EXPECT_EQ(own.Calls, 1);
}

TEST(ReadingIndexFiles, TakesTheDictionariesTheSettingsNameWithTheirUserFiles) {
  TTestFolder folder;
  folder.Write("base.dic", "ｹﾝｷｭｳ,研究,001\r\n");
  folder.Write("base.usr", "ｹﾝｷｭｳｼﾞｮ,研究所,001\r\n");
  folder.Write("ext.dic", "ｻﾙ,猿,001\r\n");
  folder.Write("unnamed.dic", "ｲﾇ,犬,001\r\n");
  TDictionarySections sections;
  sections.BaseDic.DicName = "基本";
  sections.BaseDic.DicFile = folder.PathOf("base.dic");
  sections.ExtDics[0].DicName = "Ext1";
  sections.ExtDics[0].DicFile = folder.PathOf("missing.dic");
  sections.ExtDics[1].DicName = "Ext2";
  sections.ExtDics[1].DicFile = folder.PathOf("ext.dic");
  sections.ExtDics[2].DicFile = folder.PathOf("unnamed.dic");
  TReadingIndex index;
  AddSettingsDictionaries(sections, index);
  TReadingProposer proposer(index);
  EXPECT_EQ(proposer.Propose("研究所"), (TStringList{"ｹﾝｷｭｳｼﾞｮ"}));
  EXPECT_EQ(proposer.Propose("猿"), (TStringList{"ｻﾙ"}));
  EXPECT_TRUE(proposer.Propose("犬").empty());
  EXPECT_FALSE(folder.Exists("missing.usr"));  // nothing is created
}
