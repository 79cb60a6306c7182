// New extension dictionary settings through the dialog's logic, the real
// dictionary manager and the real keypad controller with its workers.
#include "kirimo/shell/ext_dic_consumers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/revolver_build.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/search_form_controller.h"
#include "kirimo/shell/search_form_controller_view_plain.h"
#include "kirimo/symbol_lists/clock.h"

namespace {

class TAnsweringPrompts : public TExtDicPrompts {
 public:
  void ShowError(std::string_view message) override { Errors.emplace_back(message); }
  bool AskYesNo(std::string_view) override { return true; }
  TStringList Errors;
};

class ExtDicConsumers : public ::testing::Test {
 protected:
  ExtDicConsumers() {
    std::filesystem::create_directories(Folder.PathOf("dic"));
    Folder.Write("Kirimo.ini",
                 "[BASE_DIC]\r\nDicName=基本\r\nDicFile=base.dic\r\n"
                 "[EXT1_DIC]\r\nDicName=拡張\r\nDicFile=old.dic\r\n"
                 "[EXT2_DIC]\r\nDicName=\r\n[EXT3_DIC]\r\nDicName=\r\n");
    Folder.Write("base.dic", "ｲﾇ,犬,1\r\n");
    Folder.Write("old.dic", "ｶ,蚊,1\r\n");
    Folder.Write("new.dic", "ｶ,課,1\r\n");
    Settings = std::make_unique<TAppIni>(Folder.PathOf("Kirimo.exe"));
    Manager = std::make_unique<TDictionaryManager>(*Settings);
    Controller = std::make_unique<TSearchFormController>(
        Form, [this] { return CreateRevolver(*Settings, Manager.get(), Output, Clock); });
  }
  ~ExtDicConsumers() override { Controller.reset(); }

  // The candidates of one key on the extension dictionary's cartridge.
  TStringList TypeOnTheExtension() {
    for (int i = 0; i < 4 && Form.Name.Caption() != "拡張"; ++i) Controller->SwitchCartridge();
    EXPECT_EQ(Form.Name.Caption(), "拡張");
    Controller->KeyInput("か");
    Controller->WaitUntilIdle();
    TStringList shown = Form.List.Items();
    Controller->ClearKeys();
    Controller->WaitUntilIdle();
    return shown;
  }
  bool Shows(const TStringList& items, const std::string& word) {
    return std::find(items.begin(), items.end(), word) != items.end();
  }
  bool Store(const std::string& file, TExtDicConsumers& consumers) {
    TExtDicSettings dialog(*Settings);
    TExtDicGroups groups = dialog.Load();
    groups[0].File = file;
    return dialog.Validate(groups, Prompts, Failure) && dialog.Store(groups, consumers, Prompts);
  }

  TTestFolder Folder;
  std::unique_ptr<TAppIni> Settings;
  std::unique_ptr<TDictionaryManager> Manager;
  TPlainSearchFormView Form;
  TRecordingOutput Output;
  TSystemClock Clock;
  std::unique_ptr<TSearchFormController> Controller;
  TAnsweringPrompts Prompts;
  TExtDicFailure Failure;
};

}  // namespace

TEST_F(ExtDicConsumers, TheOldCartridgesReadTheOldDictionaryUntilTheyAreRebuilt) {
  ASSERT_TRUE(Shows(TypeOnTheExtension(), "蚊"));
  TStringList beforeRebuild;
  TKeypadExtDicConsumers consumers(*Manager, [this, &beforeRebuild] {
    // The new dictionary is in the manager; the old cartridges still work on the
    // old one, which must still be there (asan sees it otherwise).
    beforeRebuild = TypeOnTheExtension();
    Controller->RebuildCartridges();
  });
  EXPECT_TRUE(Store("new.dic", consumers));
  EXPECT_TRUE(Shows(beforeRebuild, "蚊"));
  EXPECT_EQ(Manager->Main(1)->GetFileName(), Folder.PathOf("new.dic"));
  const TStringList after = TypeOnTheExtension();
  EXPECT_TRUE(Shows(after, "課"));
  EXPECT_FALSE(Shows(after, "蚊"));
  EXPECT_TRUE(Prompts.Errors.empty());
}

TEST_F(ExtDicConsumers, ADictionaryThatCannotBeOpenedKeepsTheOldSettingsDictionariesAndCartridges) {
  const std::string ini = Folder.Read("Kirimo.ini");
  TDictionaryEXT* old = Manager->Main(1);
  const TCartridge* current = Controller->GetCurrent();
  // Its user file cannot be made beside it: a folder has its name.
  Folder.Write("blocked.dic", "ｶ,可,1\r\n");
  std::filesystem::create_directory(Folder.PathOf("blocked.usr"));
  int rebuilds = 0;
  TKeypadExtDicConsumers consumers(*Manager, [&rebuilds] { ++rebuilds; });
  EXPECT_FALSE(Store("blocked.dic", consumers));
  ASSERT_EQ(Prompts.Errors.size(), 1u);
  EXPECT_NE(Prompts.Errors[0].find(Folder.PathOf("blocked.usr") + "\"を開けません"),
            std::string::npos);
  EXPECT_EQ(rebuilds, 0);
  EXPECT_EQ(Folder.Read("Kirimo.ini"), ini);
  EXPECT_EQ(Settings->ExtDics[0].DicFile, Folder.PathOf("old.dic"));
  EXPECT_EQ(Manager->Main(1), old);
  EXPECT_EQ(Controller->GetCurrent(), current);
  EXPECT_TRUE(Shows(TypeOnTheExtension(), "蚊"));
}
