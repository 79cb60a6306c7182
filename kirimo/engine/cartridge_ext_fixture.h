#pragma once
// A Japanese cartridge on the small dictionary of tests/data/cartridge_ext,
// copied into a fresh folder, with plain controls and recorded output. Each
// gesture waits until the worker is idle, so what the list shows is settled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "common/string_list.h"
#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_ext.h"

class TCartridgeEXTFixture : public ::testing::Test {
 protected:
  TCartridgeEXTFixture() : Folder(CopyFixture(Temp)), Settings((Folder / "Kirimo.exe").string()) {
    Settings.SubButtons[0] = {"VK_RETURN", "改行"};
    Settings.SubButtons[1] = {"VK_BACK", "BS"};
  }

  void SetUp() override { Open(); }

  void Open(int historyCount = 3) {
    Cartridge.reset();
    Main = std::make_unique<TDictionaryEXT>("基本", (Folder / "base.dic").string());
    User = std::make_unique<TDictionaryEXT>("BaseUsr", (Folder / "base.usr").string());
    Cartridge = std::make_unique<TCartridgeEXT>(Settings, Output);
    Cartridge->SetDictionary(Main.get());
    Cartridge->SetUserDictionary(User.get());
    Cartridge->LoadHistory(HistoryPath(), historyCount);
    Cartridge->SetSymbolList("SYMBOLS");
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
    Cartridge->AttachStatusBar(Status);
    Cartridge->AttachNamePanel(Name);
  }

  // Opens the cartridge again on a history file holding text.
  void Reopen(const std::string& history, int historyCount = 3) {
    Cartridge.reset();  // it saves its own history on the way out
    std::ofstream(HistoryPath(), std::ios::binary | std::ios::trunc) << history;
    Open(historyCount);
  }

  std::string HistoryPath() const { return (Folder / "history.txt").string(); }

  void Post(TOperationKind kind, const std::string& text = {}) {
    Cartridge->PostOperation(TOperationMsg{kind, text});
    Cartridge->WaitUntilIdle();
  }
  void Key(const std::string& caption) { Post(opKey, caption); }
  void Keys(std::initializer_list<const char*> captions) {
    for (const char* caption : captions) Key(caption);
  }
  void Vowel(const std::string& caption) { Post(opVowel, caption); }
  void Syllable(const std::string& text) { Post(opSyllable, text); }
  void BackKey() { Post(opBack); }
  void ClearKey() { Post(opClear); }

  // Selects the shown candidate text; fails the test when it is not shown.
  int Select(const std::string& text) {
    int index = List.IndexOf(text);
    EXPECT_GE(index, 0) << "not shown";
    if (index >= 0) {
      List.SetSelected(index, true);
      List.SetItemIndex(index);
    }
    return index;
  }
  void Choose(const std::string& text) {
    int index = Select(text);
    if (index >= 0) Cartridge->SelectCandidate(index);
    Cartridge->WaitUntilIdle();
  }
  void LongPress(const std::string& text) {
    if (Select(text) >= 0) Cartridge->Accumulate();
    Cartridge->WaitUntilIdle();
  }

  int Position(const std::string& text) const { return List.IndexOf(text); }

  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }
  void AppendTo(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file << text;
  }

  TTestFolder Temp;
  std::filesystem::path Folder;
  TAppIni Settings;
  TRecordingOutput Output;
  TCandidateListModel List;
  TPlainStatusBar Status;
  TPlainNamePanel Name;
  std::unique_ptr<TDictionaryEXT> Main;
  std::unique_ptr<TDictionaryEXT> User;
  std::unique_ptr<TCartridgeEXT> Cartridge;

 private:
  static std::filesystem::path CopyFixture(const TTestFolder& temp) {
    std::filesystem::path folder = temp.PathOf("");
    std::filesystem::path data = std::filesystem::path(KIRIMO_TEST_DATA_DIR) / "cartridge_ext";
    for (const char* name : {"base.dic", "base.usr", "Kirimo.ini"}) {
      std::filesystem::copy_file(data / name, folder / name);
    }
    return folder;
  }
};
