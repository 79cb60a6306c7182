// A history file is written whole at exit: a settings file that names another
// file of the program as history must not let that file be overwritten.
#include "kirimo/cartridge_set/history_file_check.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/revolver_build.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/symbol_lists/clock.h"

namespace {

constexpr const char* NoHistoryNotice =
    "履歴ファイルが辞書か設定のファイルと同じため、履歴を保存しません";

class HistoryFileCheck : public ::testing::Test {
 protected:
  HistoryFileCheck() : Settings(Folder.PathOf("Kirimo.exe"), 500) {
    Settings.DicFolder = Folder.PathOf("dic");
    Settings.BaseDic.DicName = "基本";
    Settings.BaseDic.DicFile = Put("Base.dic", "ｲﾇ,犬,1\r\nﾈｺ,猫,1\r\n");
    Settings.VkDicFile = Put("vk.txt", "VK_RETURN=改行\r\n");
    Put("Kirimo.ini", "[BASE_DIC]\r\nDicName=基本\r\n");
    Put("Base.usr", "ｻﾙ,猿,1\r\n");
  }

  std::string Put(const std::string& name, const std::string& bytes) {
    Folder.Write(name, bytes);
    Originals[name] = bytes;
    return Folder.PathOf(name);
  }

  // One keypad session: the cartridges are made as at start, one text is
  // committed, and the cartridges go as at exit. Answers the status texts shown
  // on the first and on a second attach of the status bar.
  std::pair<std::string, std::string> CommitOnce() {
    TDictionaryManager manager(Settings);
    TRecordingOutput output;
    TSystemClock clock;
    auto revolver = CreateRevolver(Settings, &manager, output, clock);
    auto* cartridge = dynamic_cast<TCartridgeEXT*>(revolver->Current());
    EXPECT_NE(cartridge, nullptr);
    if (cartridge == nullptr) return {};
    TPlainStatusBar first;
    TPlainStatusBar second;
    cartridge->AttachStatusBar(first);
    std::string firstText = first.Text();
    cartridge->Commit("犬");
    cartridge->AttachStatusBar(second);
    return {firstText, second.Text()};
  }

  void ExpectFilesUntouched() {
    for (const auto& [name, bytes] : Originals) EXPECT_EQ(Folder.Read(name), bytes) << name;
  }

  TTestFolder Folder;
  TAppIni Settings;
  std::map<std::string, std::string> Originals;
};

}  // namespace

TEST_F(HistoryFileCheck, AHistoryNamingAnotherFileOfTheProgramIsNeverWritten) {
  for (const std::string name : {"Base.dic", "Base.usr", "vk.txt", "Kirimo.ini"}) {
    Settings.BaseDic.HistoryFile = Folder.PathOf(name);
    std::pair<std::string, std::string> shown = CommitOnce();
    ExpectFilesUntouched();
    // Said once, when the status bar is first attached.
    EXPECT_EQ(shown.first, NoHistoryNotice) << name;
    EXPECT_EQ(shown.second, "") << name;
  }
}

TEST_F(HistoryFileCheck, AnotherSpellingOfTheSamePathIsTheSameFile) {
  Settings.BaseDic.HistoryFile = Folder.PathOf("dic") + "/../Base.dic";
  CommitOnce();
  ExpectFilesUntouched();
  EXPECT_TRUE(NamesProgramFile(Folder.PathOf("./Kirimo.ini"), Settings, nullptr));
  EXPECT_FALSE(NamesProgramFile(Folder.PathOf("Base.dic"), Settings, nullptr));
  EXPECT_FALSE(NamesProgramFile("", Settings, nullptr));
}

TEST_F(HistoryFileCheck, AnOwnHistoryFileIsWrittenWithoutANotice) {
  Settings.BaseDic.HistoryFile = Folder.PathOf("history.txt");
  std::pair<std::string, std::string> shown = CommitOnce();
  ExpectFilesUntouched();
  EXPECT_EQ(Folder.Read("history.txt"), "犬\r\n基本\r\n");
  EXPECT_EQ(shown.first, "");
}
