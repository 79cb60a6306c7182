#include "common/kana_conversion.h"

#include <gtest/gtest.h>

TEST(ToHiraganaAndToKatakana, KanaOfTheOtherScript) {
  EXPECT_EQ(ToHiragana("カガヲンァッヮヰヱヽヾ"), "かがをんぁっゎゐゑゝゞ");
  EXPECT_EQ(ToKatakana("かがをんぁっゎゐゑゝゞ"), "カガヲンァッヮヰヱヽヾ");
  // No hiragana of these in CP932: they stay.
  EXPECT_EQ(ToHiragana("ヴヵヶ"), "ヴヵヶ");
  // Half-width kana, symbols, kanji and Latin stay.
  EXPECT_EQ(ToHiragana("ｶﾞー・漢A"), "ｶﾞー・漢A");
  EXPECT_EQ(ToKatakana("ｶﾞー・漢A"), "ｶﾞー・漢A");
}

TEST(ToHalfWidth, KanaSplitIntoBaseAndMark) {
  EXPECT_EQ(ToHalfWidth("ガ"), "ｶﾞ");
  EXPECT_EQ(ToHalfWidth("パピプペポ"), "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ");
  EXPECT_EQ(ToHalfWidth("ヴヂヅ"), "ｳﾞﾁﾞﾂﾞ");
  EXPECT_EQ(ToHalfWidth("キャッシュー"), "ｷｬｯｼｭｰ");
  EXPECT_EQ(ToHalfWidth("ヲン゛゜"), "ｦﾝﾞﾟ");
  EXPECT_EQ(ToHalfWidth("ヮヰヱヵヶ"), "ヮヰヱヵヶ");  // no half-width form
  EXPECT_EQ(ToHalfWidth("かな漢字"), "かな漢字");
}

TEST(ToHalfWidth, LatinDigitsAndPunctuation) {
  EXPECT_EQ(ToHalfWidth("ＡＢｃ１２！＠　"), "ABc12!@ ");
  EXPECT_EQ(ToHalfWidth("。「」、・ー"), "｡｢｣､･ｰ");
  EXPECT_EQ(ToHalfWidth("“”‘’"), "\"\"''");
  EXPECT_EQ(ToHalfWidth("￥"), "\\");
  EXPECT_EQ(ToHalfWidth("～－"), "~-");
}

TEST(ToFullWidth, KanaJoinWithTheirMarks) {
  EXPECT_EQ(ToFullWidth("ｶﾞ"), "ガ");
  EXPECT_EQ(ToFullWidth("ｳﾞ"), "ヴ");
  EXPECT_EQ(ToFullWidth("ﾊﾟﾊﾞﾊ"), "パバハ");
  EXPECT_EQ(ToFullWidth("ｱﾞﾏﾟ"), "ア゛マ゜");  // no voiced form: the mark stands alone
  EXPECT_EQ(ToFullWidth("ﾞﾟ"), "゛゜");
  EXPECT_EQ(ToFullWidth("ｷｬｯｼｭｰ｡｢｣､･"), "キャッシュー。「」、・");
}

TEST(ToFullWidth, AsciiToFullWidthForms) {
  EXPECT_EQ(ToFullWidth("Ab1 !~-"), "Ａｂ１　！～－");
  EXPECT_EQ(ToFullWidth("\\\\"), "￥￥");
  EXPECT_EQ(ToFullWidth("\"'"), "\xFA\x57\xFA\x56");  // ＂ and ＇ exist only in the IBM rows
  EXPECT_EQ(ToFullWidth("\t\n"), "\t\n");
  EXPECT_EQ(ToFullWidth("かな漢字ガ"), "かな漢字ガ");
}

TEST(KanaConversions, ReadingChainAndRoundTrips) {
  EXPECT_EQ(ToHalfWidth(ToKatakana("がっこう")), "ｶﾞｯｺｳ");
  EXPECT_EQ(ToHalfWidth(ToKatakana("ぱーてぃー")), "ﾊﾟｰﾃｨｰ");
  const std::string half = "ｱｲｳｴｵｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾊﾟﾋﾞﾋﾟﾌﾞﾌﾟﾍﾞﾍﾟﾎﾞﾎﾟｳﾞABC123";
  EXPECT_EQ(ToHalfWidth(ToFullWidth(half)), half);
  // Results are not cut at 255 bytes.
  EXPECT_EQ(ToFullWidth(std::string(300, 'a')).size(), 600u);
}

TEST(KanaConversions, AnyBytesAreSafe) {
  const std::string odd("\x82\0\x81\x7F\x85\x40\xFF\x83", 9);
  for (auto convert : {ToHiragana, ToKatakana, ToHalfWidth}) EXPECT_EQ(convert(odd), odd);
  EXPECT_EQ(ToFullWidth(odd), odd);
  EXPECT_EQ(ToFullWidth("ｶ"), "カ");
  EXPECT_EQ(ToFullWidth("ｶ\x82"), "カ\x82");
  EXPECT_EQ(ToHalfWidth(""), "");
}
