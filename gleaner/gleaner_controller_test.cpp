#include "gleaner/gleaner_controller.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/test_folder.h"
#include "gleaner/plain_views.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Readings as an input method would give them, by word.
class TTableReadings : public TReadingQuery {
 public:
  TStringList Readings(std::string_view word) override {
    auto found = Table.find(std::string(word));
    return found == Table.end() ? TStringList() : found->second;
  }
  std::map<std::string, TStringList> Table;
};

class GleanerControllerTest : public ::testing::Test {
 protected:
  GleanerControllerTest() {
    std::filesystem::create_directories(Folder.PathOf("dic"));
    Folder.Write("Gleaner.ini", "DIC_INI=Kirimo.ini\r\n");
    Folder.Write("Kirimo.ini",
                 "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Base.dic\r\n"
                 "[EXT1_DIC]\r\nDicName=拡張\r\nDicFile=dic\\Ext.dic\r\n"
                 "[EXT2_DIC]\r\nDicFile=dic\\Unnamed.dic\r\n"
                 "[EXT3_DIC]\r\nDicName=無名\r\nDicFile=dic\\Nameless.dic\r\n");
    Folder.Write("dic/Base.dic", "ﾄｳｷｮｳ,東京,001\r\nｶﾞｯｺｳ,学校,001\r\nｶﾞｸ,学,001\r\n");
    Folder.Write("dic/Ext.dic", "ﾀﾞｲｶﾞｸ,大学,001\r\n");
    Readings.Table = {
        {"東京", {"ﾄｳｷｮｳ"}}, {"大学", {"ﾀﾞｲｶﾞｸ"}}, {"橋", {"ﾊｼ", "ｷｮｳ"}}, {"研究", {"ｹﾝｷｭｳ"}}};
  }
  void Start() {
    Settings = std::make_unique<TGleanerAppIni>(Folder.PathOf("Gleaner.exe"));
    Controller = std::make_unique<TGleanerController>(*Settings, Readings);
    Controller->SetExtractProgress(&ExtractProgress);
    Controller->SetSaveProgress(&SaveProgress);
    Controller->FillDictionaryChoices(Selector);
  }
  void Choose(std::string_view name) {
    ASSERT_TRUE(Selector.Choose(name));
    Controller->PrepareSelected();
    Controller->Clear();
  }
  std::vector<int> Statuses() const {
    std::vector<int> statuses;
    for (int i = 0; i < static_cast<int>(Controller->GetNotations().size()); ++i)
      statuses.push_back(Controller->GetStatus(i));
    return statuses;
  }

  TTestFolder Folder;
  TTableReadings Readings;
  TPlainProgress ExtractProgress;
  TPlainProgress SaveProgress;
  TPlainChoice Selector;
  std::unique_ptr<TGleanerAppIni> Settings;
  std::unique_ptr<TGleanerController> Controller;
};

}  // namespace

TEST_F(GleanerControllerTest, OffersEveryDictionaryWithAUserFile) {
  Folder.Write("dic/Nameless.dic", "");
  Folder.Write("dic/Unnamed.dic", "");
  Start();
  // The third extension's file exists but has a name, so it is offered too;
  // the second has no name, so it has no user file and is not offered.
  EXPECT_THAT(Selector.Items, ElementsAre("基本", "拡張", "無名"));
  EXPECT_FALSE(Folder.Exists("dic/Unnamed.usr"));
  EXPECT_EQ(Selector.ItemIndex, 0);
  EXPECT_TRUE(Folder.Exists("dic/Base.usr"));
  EXPECT_TRUE(Folder.Exists("dic/Ext.usr"));
  EXPECT_EQ(Controller->SelectedExtension(), 0);
  EXPECT_TRUE(Controller->SelectedDic()->HasRows());
  Selector.Choose("拡張");
  EXPECT_EQ(Controller->SelectedExtension(), 1);
  EXPECT_FALSE(Controller->SelectedDic()->HasRows());  // parsed when first chosen
  Controller->PrepareSelected();
  EXPECT_TRUE(Controller->SelectedDic()->HasRows());
  EXPECT_TRUE(Controller->SelectedUsr()->HasRows());
}

TEST_F(GleanerControllerTest, ExtractKeepsOnlyPairsNeitherFileHolds) {
  Folder.Write("dic/Base.usr", "ﾊｼ,橋,001\r\nabc,ABC,001\r\nXYZ,XYZ,001\r\n");
  Start();
  Controller->Extract("東京の橋と大学でABCとXYZとfoo_barを研究する。学と学校");
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("橋", "大学", "XYZ", "foo_bar", "研究"));
  EXPECT_EQ(Controller->CurrentIndex(), 0);
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ｷｮｳ"));  // ﾊｼ is registered
  EXPECT_THAT(Controller->SelectNotation(2), ElementsAre("xyz"));     // letter words: lower case
  EXPECT_THAT(Controller->SelectNotation(3), IsEmpty());  // the underscore makes no letter word
  EXPECT_THAT(Statuses(), ElementsAre(1, 1, 1, 0, 1));
  EXPECT_EQ(ExtractProgress.Maximum, 9);  // one step a distinct word
  EXPECT_EQ(ExtractProgress.Position, 9);
}

TEST_F(GleanerControllerTest, TestsAgainstTheDictionaryChosenAtExtraction) {
  Start();
  Choose("拡張");
  Controller->Extract("東京の大学");
  // 東京 is only in the base dictionary.
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("東京"));
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Ext.usr"), "ﾄｳｷｮｳ,東京,001\r\n");
  EXPECT_EQ(Folder.Read("dic/Base.usr"), "");
}

TEST_F(GleanerControllerTest, SaveAppendsEveryPairAndMarksTheEntriesSaved) {
  Start();
  Controller->Extract("橋と新語と研究");
  ASSERT_THAT(Controller->GetNotations(), ElementsAre("橋", "新語", "研究"));
  Controller->SelectNotation(2);
  Controller->AddReading("  ｹﾝｸ ");  // trimmed when written
  Controller->AddReading(" ");       // blank: never written
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Base.usr"),
            "ﾊｼ,橋,001\r\nｷｮｳ,橋,001\r\nｹﾝｷｭｳ,研究,001\r\nｹﾝｸ,研究,001\r\n");
  EXPECT_THAT(Statuses(), ElementsAre(2, 0, 2));
  EXPECT_EQ(SaveProgress.Maximum, 4);
  EXPECT_EQ(SaveProgress.Position, 4);

  // A new extraction no longer proposes what was saved; the entry without
  // readings comes again.
  Controller->Extract("橋と新語と研究");
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("新語"));

  // A pair of a new list is appended again, though the file holds it; saving
  // that list twice writes it once.
  Controller->AddNotation("研究");
  Controller->SaveToDictionary();
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Base.usr"),
            "ﾊｼ,橋,001\r\nｷｮｳ,橋,001\r\nｹﾝｷｭｳ,研究,001\r\nｹﾝｸ,研究,001\r\n"
            "ｹﾝｷｭｳ,研究,001\r\n");
  // A reading added after a save is the one line the next save writes.
  Controller->AddReading("ｹﾝｺﾞ");
  Controller->SaveToDictionary();
  EXPECT_TRUE(Folder.Read("dic/Base.usr").ends_with("ｹﾝｷｭｳ,研究,001\r\nｹﾝｺﾞ,研究,001\r\n"));
}

TEST_F(GleanerControllerTest, AFailedSaveChangesNothingAndTheRetryWritesEachLineOnce) {
  Start();
  Controller->Extract("橋と新語と研究");
  Controller->SelectNotation(1);
  // The user file turns into something that can be neither written nor made.
  std::filesystem::remove(Folder.PathOf("dic/Base.usr"));
  std::filesystem::create_directory(Folder.PathOf("dic/Base.usr"));
  EXPECT_THROW(Controller->SaveToDictionary(), TWordDicWriteError);
  EXPECT_THROW(Controller->SaveToDictionary(), TWordDicWriteError);
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("橋", "新語", "研究"));
  EXPECT_THAT(Controller->GetReadings(0), ElementsAre("ﾊｼ", "ｷｮｳ"));
  EXPECT_THAT(Statuses(), ElementsAre(1, 0, 1));
  EXPECT_EQ(Controller->CurrentIndex(), 1);
  // Mended (here: gone, as if deleted): the file is made again with each line once.
  std::filesystem::remove(Folder.PathOf("dic/Base.usr"));
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Base.usr"), "ﾊｼ,橋,001\r\nｷｮｳ,橋,001\r\nｹﾝｷｭｳ,研究,001\r\n");
  EXPECT_THAT(Statuses(), ElementsAre(2, 0, 2));
}

TEST_F(GleanerControllerTest, TypedTextsAreTakenAsKirimoTypesThem) {
  Start();
  EXPECT_EQ(Controller->AddNotation(" 森小屋 "), 0);
  EXPECT_EQ(Controller->AddNotation("森小屋"), 0);
  EXPECT_EQ(Controller->AddNotation("\t研究\t"), 1);
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ｹﾝｷｭｳ"));  // asked without blanks
  EXPECT_EQ(Controller->EditNotation(" 小屋 "), 1);
  Controller->SelectNotation(0);
  EXPECT_EQ(Controller->AddReading(" もりごや "), 0);
  EXPECT_EQ(Controller->AddReading("モリゴヤ"), 0);  // the same reading
  EXPECT_EQ(Controller->AddReading("ﾓﾘ"), 1);
  EXPECT_EQ(Controller->EditReading(1, "こや"), 1);
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ﾓﾘｺﾞﾔ", "ｺﾔ"));
  // Full-width letters fold as ASCII ones do.
  EXPECT_EQ(Controller->AddNotation("ＡＢＣ"), 2);
  EXPECT_EQ(Controller->AddNotation("ａｂｃ"), 2);
  EXPECT_EQ(Controller->EditNotation("Ａｂｃ"), 2);
  Controller->AddReading("ｴｰﾋﾞｰｼｰ");
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("森小屋", "小屋", "ＡＢＣ"));
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Base.usr"),
            "ﾓﾘｺﾞﾔ,森小屋,001\r\nｺﾔ,森小屋,001\r\nｴｰﾋﾞｰｼｰ,ＡＢＣ,001\r\n");
}

TEST_F(GleanerControllerTest, NotationWithoutReadingKnownByAnyRowIsDropped) {
  Readings.Table.clear();
  Start();
  Controller->Extract("東京と新語");
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("新語"));
  Controller->Extract("");
  EXPECT_THAT(Controller->GetNotations(), IsEmpty());
  EXPECT_EQ(Controller->CurrentIndex(), -1);
  EXPECT_THAT(Controller->GetCurrentReadings(), IsEmpty());
  Controller->SaveToDictionary();  // nothing to save
  EXPECT_EQ(Folder.Read("dic/Base.usr"), "");
}

TEST_F(GleanerControllerTest, NotationEdits) {
  Start();
  EXPECT_EQ(Controller->AddNotation("abc"), 0);
  EXPECT_EQ(Controller->AddNotation("橋"), 1);
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ﾊｼ", "ｷｮｳ"));
  EXPECT_EQ(Controller->AddNotation("ABC"), 0);  // already listed, ignoring case
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("abc", "橋"));
  EXPECT_EQ(Controller->GetStatus(0), 0);  // status 1 stored, but no readings

  Controller->SelectNotation(0);
  EXPECT_EQ(Controller->EditNotation("研究"), 0);
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("研究", "橋"));
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ｹﾝｷｭｳ"));
  EXPECT_EQ(Controller->EditNotation("橋"), 1);  // listed: only selects it
  EXPECT_THAT(Controller->GetNotations(), ElementsAre("研究", "橋"));

  EXPECT_EQ(Controller->DeleteNotation(1), 0);  // the last: the previous becomes current
  EXPECT_EQ(Controller->DeleteNotation(0), -1);
  EXPECT_THAT(Controller->GetNotations(), IsEmpty());
  EXPECT_THROW(Controller->DeleteNotation(0), std::out_of_range);
  EXPECT_THROW(Controller->EditNotation("x"), std::out_of_range);
  EXPECT_THROW(Controller->AddReading("ｱ"), std::out_of_range);
}

TEST_F(GleanerControllerTest, ReadingEditsOfTheCurrentEntry) {
  Start();
  Controller->AddNotation("橋");
  EXPECT_EQ(Controller->AddReading("ｷｮｳ"), 1);  // present
  EXPECT_EQ(Controller->AddReading("ﾀｶﾊｼ"), 2);
  EXPECT_EQ(Controller->EditReading(0, "ﾀｶﾊｼ"), 2);  // present: nothing changes
  EXPECT_EQ(Controller->EditReading(0, "ﾊﾞｼ"), 0);
  EXPECT_THAT(Controller->GetCurrentReadings(), ElementsAre("ﾊﾞｼ", "ｷｮｳ", "ﾀｶﾊｼ"));
  EXPECT_EQ(Controller->DeleteReading(2), 1);
  EXPECT_EQ(Controller->DeleteReading(0), 0);
  EXPECT_EQ(Controller->DeleteReading(0), -1);
  EXPECT_EQ(Controller->GetStatus(0), 0);
  EXPECT_THROW(Controller->EditReading(0, "ｱ"), std::out_of_range);
}

TEST_F(GleanerControllerTest, NotationWithCommaOrBlankIsQuotedAndReadsBackAsItself) {
  Start();
  Controller->AddNotation("A,B");
  Controller->AddReading("ｴｰﾋﾞｰ");
  Controller->AddNotation("C D");
  Controller->AddReading("ｼｰﾃﾞｨｰ");
  Controller->SaveToDictionary();
  EXPECT_EQ(Folder.Read("dic/Base.usr"), "ｴｰﾋﾞｰ,\"A,B\",001\r\nｼｰﾃﾞｨｰ,\"C D\",001\r\n");
  TWordDic reread(Folder.PathOf("dic/Base.usr"));
  reread.PrepareRows();
  EXPECT_EQ(reread.FindEntry("A,B", "ｴｰﾋﾞｰ"), 0);
  EXPECT_EQ(reread.FindEntry("C D", "ｼｰﾃﾞｨｰ"), 1);
}
