#include "gleaner/word_dic.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/dictionary_file.h"
#include "common/file_lock.h"
#include "common/test_folder.h"

namespace {

TWordDic Prepared(const TTestFolder& folder, const std::string& name, const std::string& bytes) {
  folder.Write(name, bytes);
  TWordDic dic(folder.PathOf(name));
  dic.PrepareRows();
  return dic;
}

}  // namespace

TEST(WordDic, ReadingAndNotationByNumberOfFields) {
  TTestFolder folder;
  folder.Write("a.dic",
               "ｱｲ,愛,001\r\n"             // 0: three fields
               "ｶｷ,5\r\n"                  // 1: integer second field
               "ｶｷ,柿\r\n"                 // 2: two fields
               "x,ｱｵ,青,001\r\n"           // 3: four fields
               "ｱ ｲ,藍,001\r\n"            // 4: a blank splits: four fields
               "ｿﾗ\r\n"                    // 5: one field
               "a,b,c,d,e\r\n"             // 6: too many fields
               "\r\n"                      // 7: none
               "\"ｲ,ｲ\",\"井\"\"\"\r\n");  // 8: quoted
  TWordDic dic(folder.PathOf("a.dic"));
  dic.PrepareRows();
  const TWordRows& rows = dic.GetRows();
  ASSERT_EQ(rows.Count(), 9);
  EXPECT_EQ(rows.Row(0).Reading, "ｱｲ");
  EXPECT_EQ(rows.Row(0).Notation, "愛");
  EXPECT_EQ(rows.Row(1).Notation, "ｶｷ");
  EXPECT_EQ(rows.Row(2).Notation, "柿");
  EXPECT_EQ(rows.Row(3).Reading, "ｱｵ");
  EXPECT_EQ(rows.Row(3).Notation, "青");
  EXPECT_EQ(rows.Row(4).Reading, "ｲ");
  EXPECT_EQ(rows.Row(4).Notation, "藍");
  EXPECT_EQ(rows.Row(5).Notation, "ｿﾗ");
  EXPECT_EQ(rows.Row(8).Reading, "ｲ,ｲ");
  EXPECT_EQ(rows.Row(8).Notation, "井\"");
  EXPECT_EQ(dic.FindEntry("ｶｷ", "ｶｷ"), 1);
  EXPECT_EQ(dic.FindNotation("b"), -1);
  EXPECT_EQ(dic.FindNotation("c"), -1);
  EXPECT_EQ(dic.FindNotation(""), -1);
}

TEST(WordDic, FindsTheFirstMatchExactly) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.dic", "ﾊｼ,橋\r\nﾊｼ,箸\r\nｷｮｳ,橋\r\nﾊｼ,橋,001\r\nabc,ABC\r\n");
  EXPECT_EQ(dic.FindNotation("橋"), 0);
  EXPECT_EQ(dic.FindEntry("橋", "ﾊｼ"), 0);
  EXPECT_EQ(dic.FindEntry("橋", "ｷｮｳ"), 2);
  EXPECT_EQ(dic.FindEntry("箸", "ﾊｼ"), 1);
  EXPECT_EQ(dic.FindEntry("箸", "ｷｮｳ"), -1);
  EXPECT_EQ(dic.FindNotation("abc"), -1);  // case-sensitive
  EXPECT_EQ(dic.FindEntry("ABC", "ABC"), -1);
  EXPECT_EQ(dic.FindEntry("ABC", "abc"), 4);
  EXPECT_EQ(dic.FindEntry("ＡＢＣ", "abc"), -1);  // no width folding
  // Appended rows are found after the earlier ones.
  EXPECT_EQ(dic.Append({"ﾊｼ,箸", "ｶｹﾊｼ,箸"}), 5);
  EXPECT_EQ(dic.FindEntry("箸", "ﾊｼ"), 1);
  EXPECT_EQ(dic.FindEntry("箸", "ｶｹﾊｼ"), 6);
}

TEST(WordDic, LinesEndAtCrLfLfOrCr) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.dic", "ｱ,亜\rｲ,井\nｳ,宇\r\nｴ,絵");
  EXPECT_EQ(dic.LineCount(), 4);
  EXPECT_EQ(dic.FindNotation("絵"), 3);
}

TEST(WordDic, MissingFileIsCreatedEmptyAndSavingNothingLeavesItUntouched) {
  TTestFolder folder;
  TWordDic dic(folder.PathOf("new.usr"));
  ASSERT_TRUE(folder.Exists("new.usr"));
  dic.PrepareRows();
  EXPECT_EQ(dic.LineCount(), 0);
  EXPECT_EQ(dic.GetRows().Count(), 0);
  EXPECT_EQ(dic.Append({}), 0);
  EXPECT_EQ(folder.Read("new.usr"), "");
}

TEST(WordDic, LookupsNeedTheRows) {
  TTestFolder folder;
  folder.Write("a.dic", "ｱ,亜\r\n");
  TWordDic dic(folder.PathOf("a.dic"));
  EXPECT_THROW(dic.FindNotation("亜"), std::logic_error);
  EXPECT_THROW(dic.Append({"ｲ,井"}), std::logic_error);
}

TEST(WordDic, AppendAddsTheLinesAtTheEndInOrder) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.usr", "ｱ,亜,001\r\n");
  EXPECT_EQ(dic.Append({"ｲ,井,001", "ｳ,宇,001"}), 1);
  EXPECT_EQ(dic.Append({"ｴ,絵,001"}), 3);
  EXPECT_EQ(folder.Read("a.usr"), "ｱ,亜,001\r\nｲ,井,001\r\nｳ,宇,001\r\nｴ,絵,001\r\n");
  EXPECT_EQ(dic.LineCount(), 4);
}

TEST(WordDic, LinesAnotherWriterAppendedMeanwhileSurvive) {
  TTestFolder folder;
  TWordDic gleaner = Prepared(folder, "a.usr", "ｱ,亜,001");  // no line end
  // Kirimo's registration dialog appends while the Gleaner runs.
  AppendLine(folder.PathOf("a.usr"), ReadWholeFile(folder.PathOf("a.usr")), "ｶ,蚊,001");
  TWordDic other = Prepared(folder, "a.usr", folder.Read("a.usr"));
  other.Append({"ｻ,差,001"});
  gleaner.Append({"ｲ,井,001"});
  EXPECT_EQ(folder.Read("a.usr"), "ｱ,亜,001\r\nｶ,蚊,001\r\nｻ,差,001\r\nｲ,井,001\r\n");
}

TEST(WordDic, UnterminatedLastLineIsEndedBeforeAppending) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.usr", "ｱ,亜,001");
  dic.Append({"ｲ,井,001"});
  EXPECT_EQ(folder.Read("a.usr"), "ｱ,亜,001\r\nｲ,井,001\r\n");
}

TEST(WordDic, AFileDeletedMeanwhileIsMadeAgain) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.usr", "ｱ,亜,001\r\n");
  std::filesystem::rename(folder.PathOf("a.usr"), folder.PathOf("b.usr"));
  dic.Append({"ｲ,井,001"});
  EXPECT_EQ(folder.Read("a.usr"), "ｲ,井,001\r\n");
  EXPECT_EQ(dic.FindNotation("亜"), 0);  // what was read stays known
}

TEST(WordDic, AFailedAppendChangesNothing) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.usr", "ｱ,亜,001\r\n");
  // A folder in the file's place: it can be neither read, made nor written.
  std::filesystem::remove(folder.PathOf("a.usr"));
  std::filesystem::create_directory(folder.PathOf("a.usr"));
  EXPECT_THROW(dic.Append({"ｲ,井,001"}), TWordDicWriteError);
  EXPECT_EQ(dic.LineCount(), 1);
  EXPECT_EQ(dic.FindNotation("井"), -1);
  std::filesystem::remove(folder.PathOf("a.usr"));
  EXPECT_EQ(dic.Append({"ｲ,井,001"}), 1);
  EXPECT_EQ(folder.Read("a.usr"), "ｲ,井,001\r\n");
}

TEST(WordDic, AFileLockedByAnotherWriterIsAFailure) {
  TTestFolder folder;
  TWordDic dic = Prepared(folder, "a.usr", "");
  TFileLock other(folder.PathOf("a.usr"));
  EXPECT_THROW(dic.Append({"ｲ,井,001"}), TWordDicWriteError);
  EXPECT_EQ(folder.Read("a.usr"), "");
  EXPECT_EQ(dic.LineCount(), 0);
}
