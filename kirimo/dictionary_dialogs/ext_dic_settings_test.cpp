#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/cp932.h"
#include "common/string_list.h"
#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"

namespace {

class TScriptedPrompts : public TExtDicPrompts {
 public:
  void ShowDataError() override { ++DataErrors; }
  bool AskYesNo(std::string_view question) override {
    Questions.emplace_back(question);
    return Answer;
  }
  int DataErrors = 0;
  TStringList Questions;
  bool Answer = true;
};

class TRecordingConsumers : public TExtDicConsumers {
 public:
  explicit TRecordingConsumers(const TAppIni& settings) : Settings(settings) {}
  void ApplySettings() override {
    // The settings are complete and written when the manager reads them.
    Calls.push_back("apply " + Settings.ExtDics[1].DicName);
  }
  void RebuildCartridges() override { Calls.push_back("rebuild"); }
  const TAppIni& Settings;
  TStringList Calls;
};

class ExtDicSettings : public ::testing::Test {
 protected:
  ExtDicSettings() {
    Folder.Write("Kirimo.ini",
                 "[EXT1_DIC]\r\nDicName=固有名詞\r\nDicFile=one.dic\r\nStartUpKey=1\r\n"
                 "[EXT2_DIC]\r\nDicName=Two\r\nDicFile=two.dic\r\n"
                 "[EXT3_DIC]\r\nDicName=Three\r\nDicFile=three.dic\r\nStartUpKey=7\r\n");
    for (const char* name : {"one.dic", "two.dic", "three.dic"}) Folder.Write(name, "");
    Settings = std::make_unique<TAppIni>(Folder.PathOf("Kirimo.exe"));
  }
  bool Validate(const TExtDicGroups& groups) {
    return TExtDicSettings(*Settings).Validate(groups, Prompts, Failure);
  }
  TTestFolder Folder;
  std::unique_ptr<TAppIni> Settings;
  TScriptedPrompts Prompts;
  TExtDicFailure Failure;
};

}  // namespace

TEST_F(ExtDicSettings, GroupsShowTheSettings) {
  TExtDicGroups groups = TExtDicSettings(*Settings).Load();
  EXPECT_EQ(groups[0].Name, "固有名詞");
  EXPECT_EQ(groups[0].File, Folder.PathOf("one.dic"));
  EXPECT_EQ(groups[0].KeyType, 1);
  EXPECT_EQ(groups[1].KeyType, 0);
  EXPECT_EQ(groups[2].KeyType, 0);  // no such item: the first
}

TEST_F(ExtDicSettings, ANameWithoutFileOrAFileWithoutNameIsADataError) {
  TExtDicGroups groups = TExtDicSettings(*Settings).Load();
  groups[1].File = "  ";
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Prompts.DataErrors, 1);
  EXPECT_EQ(Failure.Group, 1);
  EXPECT_EQ(Failure.Field, TExtDicField::File);
  groups[1] = {" ", "two.dic", 0};
  groups[2].Name = "";  // group 2 (index 1) is checked first
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 1);
  EXPECT_EQ(Failure.Field, TExtDicField::Name);
}

TEST_F(ExtDicSettings, ALaterGroupRepeatingANameFailsWithoutAMessage) {
  TExtDicGroups groups = TExtDicSettings(*Settings).Load();
  groups[0].Name = "Same";
  groups[1].Name = "Same";
  groups[2].Name = "Same ";  // the same once trimmed, as it would be stored
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 2);
  EXPECT_EQ(Failure.Field, TExtDicField::Name);
  groups[2].Name = "Other";
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 1);
  EXPECT_EQ(Prompts.DataErrors, 0);
  groups[1].Name = "same";  // letter case counts
  EXPECT_TRUE(Validate(groups));
}

TEST_F(ExtDicSettings, AMissingFileIsCreatedEmptyOnlyWhenTheUserAgrees) {
  TExtDicGroups groups = TExtDicSettings(*Settings).Load();
  groups[1].File = " new.dic ";
  Prompts.Answer = false;
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 1);
  EXPECT_EQ(Failure.Field, TExtDicField::File);
  EXPECT_EQ(Prompts.Questions,
            (TStringList{"\"new.dic\"が存在しません。\r\n新規に作成しますか？"}));
  EXPECT_FALSE(Folder.Exists("new.dic"));
  Prompts.Answer = true;
  EXPECT_TRUE(Validate(groups));
  ASSERT_TRUE(Folder.Exists("new.dic"));  // beside the program, as stored paths are
  EXPECT_EQ(Folder.Read("new.dic"), "");
}

TEST_F(ExtDicSettings, StoringWritesTrimmedValuesThenAppliesAndRebuilds) {
  TExtDicSettings dialog(*Settings);
  TExtDicGroups groups = dialog.Load();
  groups[0].Name = " Names ";
  groups[1] = {"", " ", 0};  // emptied: removes extension dictionary 2
  groups[2].KeyType = 1;
  ASSERT_TRUE(dialog.Validate(groups, Prompts, Failure));
  TRecordingConsumers consumers(*Settings);
  dialog.Store(groups, consumers);
  EXPECT_EQ(consumers.Calls, (TStringList{"apply ", "rebuild"}));
  TAppIni reread(Folder.PathOf("Kirimo.exe"));
  EXPECT_EQ(reread.ExtDics[0].DicName, "Names");
  EXPECT_EQ(reread.ExtDics[0].DicFile, Folder.PathOf("one.dic"));
  EXPECT_EQ(reread.ExtDics[1].DicName, "");
  EXPECT_EQ(reread.ExtDics[1].DicFile, "");
  EXPECT_EQ(reread.ExtDics[2].DicName, "Three");
  EXPECT_EQ(reread.ExtDics[2].StartUpKey, 1);
  EXPECT_EQ(reread.ExtDics[0].StartUpKey, 1);
}

TEST_F(ExtDicSettings, NothingChangesUntilStored) {
  std::string before = Folder.Read("Kirimo.ini");
  TExtDicSettings dialog(*Settings);
  TExtDicGroups groups = dialog.Load();
  groups[0].Name = "Changed";
  EXPECT_TRUE(dialog.Validate(groups, Prompts, Failure));
  EXPECT_EQ(Settings->ExtDics[0].DicName, "固有名詞");
  EXPECT_EQ(Folder.Read("Kirimo.ini"), before);
}

// The settings file we ship, as a user first opens the dialog and presses OK.
TEST(ShippedExtDicSettings, PassAsTheyStand) {
  std::ifstream source(std::filesystem::path(KIRIMO_SOURCE_DIR) / "data" / "Kirimo.ini",
                       std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(text.empty());
  TTestFolder folder;
  folder.Write("Kirimo.ini", Utf8ToCp932(text));
  std::filesystem::create_directory(folder.PathOf("dic"));
  TAppIni settings(folder.PathOf("Kirimo.exe"));
  // Every dictionary file the settings name is shipped.
  for (const auto& ext : settings.ExtDics)
    if (!ext.DicFile.empty()) std::ofstream(ext.DicFile, std::ios::binary) << "";
  TScriptedPrompts prompts;
  prompts.Answer = false;
  TExtDicFailure failure;
  TExtDicSettings dialog(settings);
  EXPECT_TRUE(dialog.Validate(dialog.Load(), prompts, failure));
  EXPECT_EQ(prompts.DataErrors, 0);
  EXPECT_TRUE(prompts.Questions.empty());
}
