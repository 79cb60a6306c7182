#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/test_folder.h"
#include "tools/dicgen/extra_words.h"
#include "tools/dicgen/generator.h"
#include "tools/dicgen/junk_rules.h"
#include "tools/dicgen/unidic_source.h"
#include "tools/dicgen/word_frequency.h"

namespace {

TDicWord Word(std::string reading, std::string notation, int type = 1) {
  return {std::move(reading), std::move(notation), type, TDicTarget::Base};
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::ptrdiff_t PlaceOf(const std::vector<std::string>& lines, const std::string& line) {
  auto found = std::find(lines.begin(), lines.end(), line);
  return found == lines.end() ? -1 : found - lines.begin();
}

}  // namespace

TEST(WordFrequency, ListedWordsFirstMostFrequentFirstClassesApart) {
  TWordFrequency list = TWordFrequency::Load(KIRIMO_TEST_DATA_DIR "/word-frequency-sample.tsv");
  EXPECT_EQ(list.Size(), 10u);  // the comment, the zero, the word count and the short line left out
  EXPECT_EQ(list.CountOf("式", "シキ", "名詞"), 35);  // listed twice: both count
  EXPECT_EQ(list.CountOf("はい", "ハイ", "名詞"), 50);
  EXPECT_EQ(list.CountOf("はい", "ハイ", "感動詞"), 0);  // the noun is no interjection
  EXPECT_EQ(list.CountOf("書く", "カク", "動詞:五段・カ行イ音便"), 9);
  EXPECT_EQ(list.CountOf("零", "レイ", "名詞"), 0);
  EXPECT_THROW(TWordFrequency::Load(KIRIMO_TEST_DATA_DIR "/no-such-list.tsv"), std::runtime_error);

  // Listed words before unlisted ones whatever their cost, the more frequent first.
  EXPECT_LT(RankOf(35, 9000), RankOf(12, -500));
  EXPECT_LT(RankOf(1, 30000), RankAfterListed());
  EXPECT_LT(RankAfterListed(), RankOf(0, -30000));
  EXPECT_LT(RankOf(0, 100), RankOf(0, 200));
  // A source that fills gaps: listed as usual, unlisted after every unlisted word.
  EXPECT_EQ(SupplementRankOf(7, 100), RankOf(7, 100));
  EXPECT_LT(RankOf(0, 30000), SupplementRankOf(0, -30000));
  EXPECT_LT(SupplementRankOf(0, -5), SupplementRankOf(0, 5));
}

TEST(JunkRules, NotationsNobodyTypesByReading) {
  EXPECT_EQ(JunkOf(Word("ﾆｭｰ", "Νｅｗ")), TJunk::MixedScript);
  EXPECT_EQ(JunkOf(Word("ｻﾞ", "ｔｈｅ")), TJunk::LatinByReading);
  EXPECT_EQ(JunkOf(Word("ｸﾗｲｱﾝﾄ", "client")), TJunk::LatinByReading);
  EXPECT_EQ(JunkOf(Word("ﾚｯｽﾝ", "LESSON")), TJunk::LatinByReading);
  EXPECT_EQ(JunkOf(Word("ｼﾞ", "ＡＢ")), TJunk::LatinByReading);  // two letters on one key
  EXPECT_EQ(JunkOf(Word("ｼｰﾃﾞｨｰ", "ＣＤ")), TJunk::None);
  EXPECT_EQ(JunkOf(Word("ｴｲﾁﾃｨｰｴﾑｴﾙ", "HTML")), TJunk::None);
  EXPECT_EQ(JunkOf(Word("ｱﾙﾌｧ", "α")), TJunk::None);
  EXPECT_EQ(JunkOf(Word("ｱﾙﾌｧｾﾝ", "α線")), TJunk::None);
  EXPECT_EQ(JunkOf(Word("ｾｯｹｲ", "設計")), TJunk::None);
}

TEST(JunkRules, KanaForOneKanjiOnlyBesideTheFullSpelling) {
  std::vector<TDicWord> words{
      Word("ｾｯｹｲ", "せっ計"), Word("ｾｯｹｲ", "設計"),   Word("ｻﾏﾂ", "さ末"),    Word("ｻﾏﾂ", "瑣末"),
      Word("ｵﾁｬ", "お茶"),    Word("ｵﾁｬ", "御茶"),    Word("ﾀﾒｲｹ", "ため池"), Word("ﾀﾒｲｹ", "溜池"),
      Word("ｾｯﾃｲ", "せっ定"), Word("ｹｯｺｳ", "けっ構"), Word("ｹｯｺｳ", "欠航"),
  };
  std::vector<bool> expected{true,  false, true,  false, false, false,
                             false, false, false, false, false};
  // せっ定 has no 設定 beside it; 欠航 does not end in 構.
  EXPECT_EQ(HalfKanaSpellings(words), expected);
}

TEST(UnidicSource, CommonNounsTypedLikeIpadicOnes) {
  TUnidicRow row;
  ASSERT_FALSE(ParseUnidicLine("a,1,2,3,x", row));
  // 33 fields of UTF-8; the surface is quoted, the katakana reading is field 25.
  std::string line = "\"a,b\",1,2,-7,名詞,普通名詞,サ変可能,*";
  for (int field = 8; field < 33; ++field) line += field == 24 ? ",エービー" : ",x";
  ASSERT_TRUE(ParseUnidicLine(Cp932ToUtf8(line), row));
  EXPECT_EQ(row.Surface, "a,b");
  EXPECT_EQ(row.Cost, -7);
  EXPECT_EQ(row.Kana, "エービー");

  TUnidicRow noun{100, "設計", "名詞", "普通名詞", "サ変可能", "セッケイ", true};
  TRowMapping mapping = MapUnidicRow(noun);
  ASSERT_EQ(mapping.Words.size(), 2u);
  EXPECT_EQ(mapping.Words[0].Type, 1);
  EXPECT_EQ(mapping.Words[1].Type, 4);
  EXPECT_EQ(mapping.Words[0].Reading, "ｾｯｹｲ");
  noun.Subclass2 = "形状詞可能";
  mapping = MapUnidicRow(noun);
  ASSERT_EQ(mapping.Words.size(), 1u);
  EXPECT_EQ(mapping.Words[0].Type, 22);
  noun.Subclass1 = "固有名詞";
  EXPECT_EQ(MapUnidicRow(noun).Outcome, TRowOutcome::Unused);
  TUnidicRow noKana{100, "記号", "名詞", "普通名詞", "一般", "*", true};
  EXPECT_EQ(MapUnidicRow(noKana).Outcome, TRowOutcome::ReadingNotKatakana);
}

TEST(ExtraWords, EveryKanaAndTheMissingParticles) {
  std::vector<TDicWord> kana = KanaSyllableWords();
  auto has = [&](const std::string& reading, const std::string& notation) {
    return std::any_of(kana.begin(), kana.end(), [&](const TDicWord& w) {
      return w.Reading == reading && w.Notation == notation && w.Type == 0;
    });
  };
  for (auto [reading, notation] : std::vector<std::pair<std::string, std::string>>{{"ｧ", "ァ"},
                                                                                   {"ｧ", "ぁ"},
                                                                                   {"ｳﾞ", "ヴ"},
                                                                                   {"ﾊﾟ", "ぱ"},
                                                                                   {"ﾊﾟ", "パ"},
                                                                                   {"ｯ", "っ"},
                                                                                   {"ｰ", "ー"},
                                                                                   {"ﾝ", "ン"},
                                                                                   {"ｦ", "ヲ"},
                                                                                   {"ｲ", "ゐ"},
                                                                                   {"ﾜ", "ヮ"},
                                                                                   {"ｹ", "ヶ"}}) {
    EXPECT_TRUE(has(reading, notation)) << reading << " " << notation;
  }
  // ぁ to ん (83) and ァ to ヶ (86) and ー.
  EXPECT_EQ(kana.size(), 83u + 86u + 1u);

  TIpadicRow toka;
  toka.PartOfSpeech = "助詞";
  toka.BaseForm = "とか";
  EXPECT_TRUE(IsMissingParticle(toka));
  TIpadicRow ga = toka;
  ga.BaseForm = "が";
  EXPECT_FALSE(IsMissingParticle(ga));
  TIpadicRow noun = toka;
  noun.PartOfSpeech = "名詞";
  EXPECT_FALSE(IsMissingParticle(noun));
}

TEST(GenerateDictionaries, AllSourcesOrderedByFrequency) {
  TTestFolder folder;
  TGenerationSources sources;
  sources.Ipadic = KIRIMO_TEST_DATA_DIR "/ipadic-sample";
  sources.UnidicLexicon = KIRIMO_TEST_DATA_DIR "/unidic-sample.csv";
  sources.Frequency = KIRIMO_TEST_DATA_DIR "/word-frequency-sample.tsv";
  sources.KanaSyllables = true;
  TGenerationReport report =
      GenerateDictionaries(sources, folder.PathOf("base.dic"), folder.PathOf("proper.dic"));
  std::vector<std::string> lines = LinesOf(folder.Read("base.dic"));

  // The frequency list first, most frequent first; はい is listed only as a noun.
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "ｶ,書,009");
  EXPECT_EQ(lines[1], "ｸﾗｲｱﾝﾄ,クライアント,001");
  EXPECT_EQ(lines[2], "ｶﾞｯｺｳ,学校,001");
  EXPECT_EQ(lines[3], "ｾｯｹｲ,設計,001");
  EXPECT_EQ(lines[4], "ｾｯｹｲ,設計,004");
  EXPECT_EQ(lines[5], "ｼﾞﾕｳ,自由,022");
  // Then every kana (IPADIC's prefix お among them), then IPADIC's words by
  // cost, then UniDic's unlisted loanwords; its unlisted compounds not at all.
  EXPECT_EQ(PlaceOf(lines, "ｵ,お,000"), 6);
  EXPECT_EQ(PlaceOf(lines, "ｧ,ぁ,000"), 7);
  EXPECT_EQ(PlaceOf(lines, "ｰ,ー,000"), 175);
  EXPECT_LT(PlaceOf(lines, "ｰ,ー,000"), PlaceOf(lines, "ｺﾉ,この,000"));
  EXPECT_EQ(PlaceOf(lines, "ﾔｯﾃｸ,やって来,003"), 175 + 32);  // IPADIC's costliest
  EXPECT_EQ(PlaceOf(lines, "ｼﾞｮﾌﾞ,ジョブ,001"), 175 + 33);
  EXPECT_EQ(PlaceOf(lines, "ｸﾞﾛｳ,愚老,001"), -1);
  // Junk and the proper noun are left out; 学校 comes once, from IPADIC.
  EXPECT_EQ(PlaceOf(lines, "ｾｯｹｲ,せっ計,001"), -1);
  EXPECT_EQ(PlaceOf(lines, "ｸﾗｲｱﾝﾄ,client,001"), -1);
  EXPECT_EQ(PlaceOf(lines, "ﾄｳｷｮｳ,東京,001"), -1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "ｶﾞｯｺｳ,学校,001"), 1);

  EXPECT_EQ(report.UnidicRows, 13);
  EXPECT_EQ(report.UnidicRare, 1);
  EXPECT_EQ(report.UnidicMalformed, 1);
  EXPECT_EQ(report.UnidicKnown, 1);  // 学校
  EXPECT_EQ(report.FrequencyEntries, 10);
  EXPECT_EQ(report.DroppedAsJunk.at("kana for kanji"), 2);  // せっ計 as 001 and 004
  EXPECT_EQ(report.DroppedAsJunk.at("Latin by reading"), 1);
  EXPECT_EQ(report.DroppedAsJunk.at("mixed script"), 1);
  EXPECT_EQ(report.BaseLinesPerSource.at("UniDic"), 5);  // クライアント ジョブ 設計×2 自由
  EXPECT_EQ(report.BaseLinesPerSource.at("kana syllables"), 169);  // お was IPADIC's
  EXPECT_EQ(report.Base.Lines, 35 + 5 + 169);
}
