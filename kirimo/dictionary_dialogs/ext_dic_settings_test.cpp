#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "common/cp932.h"
#include "common/string_list.h"
#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"

namespace {

class TScriptedPrompts : public TExtDicPrompts {
 public:
  void ShowError(std::string_view message) override { Errors.emplace_back(message); }
  bool AskYesNo(std::string_view question) override {
    Questions.emplace_back(question);
    return Answer;
  }
  TStringList Errors;
  TStringList Questions;
  bool Answer = true;
};

// Records what happens when, and what the settings and their file hold then.
class TRecordingConsumers : public TExtDicConsumers {
 public:
  TRecordingConsumers(const TAppIni& settings, const TTestFolder& folder)
      : Settings(settings), Folder(folder) {}

  class TPrepared : public TPreparedDictionaries {
   public:
    explicit TPrepared(TRecordingConsumers& owner) : Owner(owner) {}
    ~TPrepared() override { Owner.Calls.push_back("dropped"); }
    void Apply() override { Owner.Record("apply"); }

   private:
    TRecordingConsumers& Owner;
  };

  std::unique_ptr<TPreparedDictionaries> Prepare() override {
    Record("prepare");
    if (!Failure.empty()) throw std::runtime_error(Failure);
    return std::make_unique<TPrepared>(*this);
  }
  void Record(const std::string& call) {
    const bool written = std::filesystem::is_regular_file(Folder.PathOf("Kirimo.ini")) &&
                         Folder.Read("Kirimo.ini").find("DicName=Renamed") != std::string::npos;
    Calls.push_back(call + " " + Settings.ExtDics[0].DicName + (written ? " written" : ""));
  }

  const TAppIni& Settings;
  const TTestFolder& Folder;
  std::string Failure;  // what Prepare raises; empty for none
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
  EXPECT_EQ(groups[2].KeyType, 7);  // no such item: kept as it is
}

TEST_F(ExtDicSettings, ANameWithoutFileOrAFileWithoutNameIsADataError) {
  TExtDicGroups groups = TExtDicSettings(*Settings).Load();
  groups[1].File = "  ";
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Prompts.Errors, TStringList{std::string(DataErrorMessage)});
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
  groups[2].Name = "Same";
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 2);
  EXPECT_EQ(Failure.Field, TExtDicField::Name);
  groups[2].Name = "Same ";  // names are compared as typed
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 1);
  EXPECT_TRUE(Prompts.Errors.empty());
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

  // A file that cannot be made: said with its name, and the focus goes to it.
  groups[2].File = "no-such-folder/new.dic";
  EXPECT_FALSE(Validate(groups));
  EXPECT_EQ(Failure.Group, 2);
  EXPECT_EQ(Failure.Field, TExtDicField::File);
  ASSERT_EQ(Prompts.Errors.size(), 1u);
  // Named as the system writes the path, with either separator.
  EXPECT_NE(Prompts.Errors[0].find("no-such-folder"), std::string::npos);
  EXPECT_NE(Prompts.Errors[0].find("new.dic"), std::string::npos);
}

TEST_F(ExtDicSettings, StoringOpensFirstThenWritesThenApplies) {
  TExtDicSettings dialog(*Settings);
  TExtDicGroups groups = dialog.Load();
  groups[0].Name = " Renamed ";
  groups[1] = {"", " ", 0};  // emptied: removes extension dictionary 2
  ASSERT_TRUE(dialog.Validate(groups, Prompts, Failure));
  TRecordingConsumers consumers(*Settings, Folder);
  EXPECT_TRUE(dialog.Store(groups, consumers, Prompts));
  // The dictionaries are opened from the new settings before the file is written.
  EXPECT_EQ(consumers.Calls, (TStringList{"prepare Renamed", "apply Renamed written", "dropped"}));
  EXPECT_TRUE(Prompts.Errors.empty());
  TAppIni reread(Folder.PathOf("Kirimo.exe"));
  EXPECT_EQ(reread.ExtDics[0].DicName, "Renamed");
  EXPECT_EQ(reread.ExtDics[0].DicFile, Folder.PathOf("one.dic"));
  EXPECT_EQ(reread.ExtDics[1].DicName, "");
  EXPECT_EQ(reread.ExtDics[1].DicFile, "");
  EXPECT_EQ(reread.ExtDics[2].DicName, "Three");
  EXPECT_EQ(reread.ExtDics[0].StartUpKey, 1);
  EXPECT_EQ(reread.ExtDics[2].StartUpKey, 7);  // never chosen: as it was

  groups = dialog.Load();
  groups[2].KeyType = 0;
  EXPECT_TRUE(dialog.Store(groups, consumers, Prompts));
  EXPECT_EQ(TAppIni(Folder.PathOf("Kirimo.exe")).ExtDics[2].StartUpKey, 0);
}

TEST_F(ExtDicSettings, ADictionaryThatCannotBeOpenedChangesNothing) {
  const std::string before = Folder.Read("Kirimo.ini");
  TExtDicSettings dialog(*Settings);
  TExtDicGroups groups = dialog.Load();
  groups[0].Name = "Renamed";
  TRecordingConsumers consumers(*Settings, Folder);
  consumers.Failure = "\"one.usr\"を開けません。";
  EXPECT_FALSE(dialog.Store(groups, consumers, Prompts));
  EXPECT_EQ(consumers.Calls, TStringList{"prepare Renamed"});
  EXPECT_EQ(Prompts.Errors,
            TStringList{"\"one.usr\"を開けません。\r\n拡張辞書の設定は変わっていません。"});
  EXPECT_EQ(Settings->ExtDics[0].DicName, "固有名詞");
  EXPECT_EQ(Folder.Read("Kirimo.ini"), before);
}

TEST_F(ExtDicSettings, ASettingsFileThatCannotBeWrittenChangesNothing) {
  // A folder in the file's place: it can be read as empty but not replaced.
  std::filesystem::remove(Folder.PathOf("Kirimo.ini"));
  std::filesystem::create_directory(Folder.PathOf("Kirimo.ini"));
  TExtDicSettings dialog(*Settings);
  TExtDicGroups groups = dialog.Load();
  groups[0].Name = "Renamed";
  TRecordingConsumers consumers(*Settings, Folder);
  EXPECT_FALSE(dialog.Store(groups, consumers, Prompts));
  // Opened, never put in use.
  EXPECT_EQ(consumers.Calls, (TStringList{"prepare Renamed", "dropped"}));
  ASSERT_EQ(Prompts.Errors.size(), 1u);
  EXPECT_NE(Prompts.Errors[0].find(Settings->IniPath), std::string::npos) << Prompts.Errors[0];
  EXPECT_EQ(Settings->ExtDics[0].DicName, "固有名詞");
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
  EXPECT_TRUE(prompts.Errors.empty());
  EXPECT_TRUE(prompts.Questions.empty());
}
