#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/comma_list.h"
#include "common/dictionary_line.h"
#include "common/test_folder.h"
#include "tools/dicgen/dictionary_writer.h"
#include "tools/dicgen/euc_jp.h"
#include "tools/dicgen/generator.h"
#include "tools/dicgen/ipadic_source.h"
#include "tools/dicgen/word_mapping.h"

namespace {

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

TIpadicRow VerbRow(std::string conjugationType, std::string baseForm, std::string reading) {
  TIpadicRow row;
  row.PartOfSpeech = "動詞";
  row.Subclass1 = "自立";
  row.Subclass2 = "*";
  row.ConjugationType = std::move(conjugationType);
  row.ConjugationForm = "基本形";
  row.BaseForm = std::move(baseForm);
  row.Reading = std::move(reading);
  return row;
}

}  // namespace

TEST(GenerateDictionaries, SampleGivesExactlyTheExpectedFiles) {
  TTestFolder folder;
  TGenerationReport report =
      GenerateDictionaries(KIRIMO_TEST_DATA_DIR "/ipadic-sample", folder.PathOf("base.dic"),
                           folder.PathOf("proper.dic"));
  // Cheapest cost first; equal costs keep file order; 勉強 and 化 also become サ変 stems.
  std::string base = CrLfLines({
      "ｵ,お,000",          "ｺﾉ,この,000",
      "ﾍﾞﾝｷｮｳ,勉強,001",   "ﾍﾞﾝｷｮｳ,勉強,004",
      "ﾊｲ,はい,000",       "ｼｽﾞｶ,静か,022",
      "ｶﾞｯｺｳ,学校,001",    "ｼｶｼ,しかし,000",
      "ｶﾒﾗ,カメラ,001",    "ｳﾞｧｲｵﾘﾝ,ヴァイオリン,001",
      "ﾕｯｸﾘ,ゆっくり,000", "ﾃｷ,的,022",
      "ﾀｶ,高,021",         "ﾀﾍﾞ,食べ,008",
      "ｶ,書,009",          "ｳﾂｸｼ,美し,021",
      "ｸ,来,003",          "ﾊﾅ,話,012",
      "ﾏ,待,013",          "ｼ,死,014",
      "ｶ,化,001",          "ｶ,化,004",
      "ｱｿ,遊,015",         "ﾖ,読,016",
      "ﾄ,取,017",          "ｸﾀﾞｻ,くださ,018",
      "ｲ,行,010",          "ｶ,買,019",
      "ｵﾖ,泳,011",         "ｻｯ,察,005",
      "ｼﾝ,信,006",         "ﾄ,問,020",
      "ﾔｯﾃ,やって,002",    "ﾕ,行,010",
      "ﾔｯﾃｸ,やって来,003",
  });
  std::string proper = CrLfLines({"ｷｮｳﾄ,京都,001", "ｺｸﾚﾝ,国連,001", "ﾀﾛｳ,太郎,001"});
  EXPECT_EQ(folder.Read("base.dic"), base);
  EXPECT_EQ(folder.Read("proper.dic"), proper);
  EXPECT_EQ(folder.EntryCount(), 2);  // no partial file left behind

  EXPECT_EQ(report.Files, 16);
  EXPECT_EQ(report.Rows, 49);
  EXPECT_EQ(report.Malformed, 0);
  EXPECT_EQ(report.ReadingNotKatakana, 1);  // ＦＡＱ
  EXPECT_EQ(report.NotationNotCp932, 1);    // 丂, a JIS X 0212 kanji
  EXPECT_EQ(report.EmptyStem, 2);           // する, くる
  EXPECT_EQ(report.Duplicates, 1);          // 学校 twice
  // が, 「, 書か, 高く, dialect 言う, いい, classical 死す, 得る (一段・得ル)
  EXPECT_EQ(report.Unused, 8);
  EXPECT_EQ(report.Base.Lines, 35);
  EXPECT_EQ(report.Base.Bytes, base.size());
  EXPECT_EQ(report.Base.LinesPerType.at(10), 2);
  EXPECT_EQ(report.Base.LinesPerType.at(4), 2);
  EXPECT_EQ(report.Proper.Lines, 3);
  EXPECT_EQ(report.Proper.LinesPerType, (std::map<int, int>{{1, 3}}));
}

TEST(GenerateDictionaries, FolderWithoutCsvFilesIsAnError) {
  TTestFolder folder;
  EXPECT_THROW(GenerateDictionaries(folder.Path(), folder.PathOf("b"), folder.PathOf("p")),
               std::runtime_error);
  EXPECT_FALSE(folder.Exists("b"));
}

TEST(MapRow, StemsMustEndAsTheirTypeSays) {
  EXPECT_EQ(MapRow(VerbRow("五段・カ行イ音便", "書く", "カキ")).Outcome,
            TRowOutcome::EndingMismatch);
  EXPECT_EQ(MapRow(VerbRow("一段", "見す", "ミス")).Outcome, TRowOutcome::EndingMismatch);
  TRowMapping kept = MapRow(VerbRow("五段・ワ行ウ音便", "乞う", "コウ"));
  ASSERT_EQ(kept.Words.size(), 1u);
  EXPECT_EQ(FormatDictionaryLine(kept.Words[0].Reading, kept.Words[0].Notation, kept.Words[0].Type),
            "ｺ,乞,020");
  EXPECT_EQ(MapRow(VerbRow("五段・ワ行ウ音便", "思う", "オモウ")).Outcome, TRowOutcome::Unused);
  TIpadicRow unmappable = VerbRow("一段", "見る", "ミル");
  unmappable.BaseFormInCp932 = false;
  EXPECT_EQ(MapRow(unmappable).Outcome, TRowOutcome::NotationNotCp932);
}

TEST(CutEnding, OnlyOnACharacterBoundary) {
  std::string stem;
  EXPECT_TRUE(CutEnding("書く", "く", stem));
  EXPECT_EQ(stem, "書");
  // 0x88 0x82 is one character; the ending く (0x82 0xAD) would start on its trail byte.
  EXPECT_FALSE(CutEnding("\x88\x82\xAD", "く", stem));
  EXPECT_FALSE(CutEnding("く", "する", stem));
  EXPECT_TRUE(CutEnding("ｼﾝｽﾞﾙ", "ｽﾞﾙ", stem));
  EXPECT_EQ(stem, "ｼﾝ");
}

TEST(HalfWidthKatakanaReading, KatakanaOnly) {
  EXPECT_EQ(HalfWidthKatakanaReading("ガッコウ"), "ｶﾞｯｺｳ");
  EXPECT_EQ(HalfWidthKatakanaReading("ヴァー"), "ｳﾞｧｰ");
  EXPECT_EQ(HalfWidthKatakanaReading("かほる"), "");
  EXPECT_EQ(HalfWidthKatakanaReading("ＦＡＱ"), "");
  EXPECT_EQ(HalfWidthKatakanaReading("ジョン・ドウ"), "");
  EXPECT_EQ(HalfWidthKatakanaReading("ヒン斥"), "");
  EXPECT_EQ(HalfWidthKatakanaReading(""), "");
}

TEST(IpadicSource, LinesAndBytes) {
  TIpadicRow row;
  EXPECT_TRUE(ParseIpadicLine("\xE6\x9B\xB8,1,2,-30,a,b,c,d,e,f,g,h,i", row));
  EXPECT_EQ(row.Cost, -30);
  EXPECT_EQ(row.BaseForm, "g");
  EXPECT_FALSE(ParseIpadicLine("a,1,2,3,a,b,c,d,e,f,g,h", row));      // 12 fields
  EXPECT_FALSE(ParseIpadicLine("a,1,2,3,a,b,c,d,e,f,g,h,i,j", row));  // 14 fields
  EXPECT_FALSE(ParseIpadicLine("a,1,2,3x,a,b,c,d,e,f,g,h,i", row));   // cost not a number
  // U+4E02 exists in EUC-JP (JIS X 0212) but not in CP932.
  EXPECT_TRUE(ParseIpadicLine("x,1,2,3,a,b,c,d,e,f,\xE4\xB8\x82,h,i", row));
  EXPECT_FALSE(row.BaseFormInCp932);

  // EUC-JP 0xA1C1 is the wave dash, which CP932 has as U+FF5E; a stray 0xFF becomes U+FFFD.
  EXPECT_EQ(EucJpToUtf8("a\xA1\xC1"
                        "b"),
            "a\xEF\xBD\x9E"
            "b");
  EXPECT_EQ(EucJpToUtf8("a\xFF"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(EucJpToUtf8("\xB4\xC1"), "\xE6\xBC\xA2");  // 漢, cut or whole
  EXPECT_EQ(EucJpToUtf8("\xB4"), "\xEF\xBF\xBD");
}
