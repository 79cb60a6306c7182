#include "kirimo/engine/dictionary_manager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/modes/dictionary_vk.h"

namespace {

// A file written into the folder; its path.
std::string Put(const TTestFolder& folder, const std::string& name, const std::string& bytes) {
  folder.Write(name, bytes);
  return folder.PathOf(name);
}

class DictionaryManager : public ::testing::Test {
 protected:
  DictionaryManager() : Settings(Folder.PathOf("Kirimo.exe"), 500) {
    Settings.DicFolder = Folder.PathOf("dic");
    Settings.BaseDic.DicName = "基本";
    Settings.BaseDic.DicFile = Put(Folder, "base.dic", "ｲﾇ,犬,1\r\n");
    Settings.VkDicFile = Put(Folder, "vk.txt", "VK_RETURN=改行\r\n");
  }
  void SetExt(int number, std::string name, std::string file) {
    Settings.ExtDics[number - 1].DicName = std::move(name);
    Settings.ExtDics[number - 1].DicFile = std::move(file);
  }

  TTestFolder Folder;
  TAppIni Settings;
};

}  // namespace

TEST_F(DictionaryManager, OpensEachDictionaryWithItsUserDictionary) {
  SetExt(2, "Ext2", Put(Folder, "ext2.txt", "ｻﾙ,猿,1\r\n"));
  SetExt(3, "Ext3", Folder.PathOf("missing.dic"));
  TDictionaryManager manager(Settings);
  EXPECT_TRUE(std::filesystem::is_directory(Folder.PathOf("dic")));
  ASSERT_NE(manager.Base(), nullptr);
  EXPECT_EQ(manager.Base()->GetName(), "基本");
  EXPECT_TRUE(manager.Base()->HasWord("ｲﾇ", "犬", 1));
  ASSERT_NE(manager.BaseUser(), nullptr);
  EXPECT_EQ(manager.BaseUser()->GetName(), "BaseUsr");
  EXPECT_EQ(manager.BaseUser()->GetFileName(), Folder.PathOf("base.usr"));
  EXPECT_TRUE(std::filesystem::exists(Folder.PathOf("base.usr")));
  EXPECT_EQ(manager.Main(1), nullptr);
  EXPECT_EQ(manager.User(1), nullptr);
  EXPECT_EQ(manager.User(2)->GetName(), "EXT2Usr");
  // A missing main file: no dictionary, no user dictionary, no file made.
  EXPECT_EQ(manager.Main(3), nullptr);
  EXPECT_EQ(manager.User(3), nullptr);
  EXPECT_FALSE(std::filesystem::exists(Folder.PathOf("missing.dic")));
  EXPECT_FALSE(std::filesystem::exists(Folder.PathOf("missing.usr")));
  ASSERT_NE(manager.VirtualKeyDictionary(), nullptr);
  EXPECT_EQ(manager.VirtualKeyDictionary()->GetName(), "VK");
}

TEST_F(DictionaryManager, FindsByExactNameInOrder) {
  SetExt(2, "Ext2", Put(Folder, "ext2.dic", ""));
  SetExt(3, "基本", Put(Folder, "ext3.dic", ""));
  TDictionaryManager manager(Settings);
  EXPECT_EQ(manager.FindByName("Ext2"), manager.Main(2));
  EXPECT_EQ(manager.FindUserByName("Ext2"), manager.User(2));
  EXPECT_EQ(manager.FindByName("基本"), manager.Base());  // the first of equal names
  EXPECT_EQ(manager.FindUserByName("基本"), manager.BaseUser());
  EXPECT_EQ(manager.FindByName("ext2"), nullptr);
  EXPECT_EQ(manager.FindByName("EXT2Usr"), nullptr);
  EXPECT_EQ(manager.FindUserByName("Ext1"), nullptr);
}

TEST_F(DictionaryManager, NoVirtualKeysWithoutAnExistingFile) {
  Settings.VkDicFile = Folder.PathOf("none.txt");
  Settings.BaseDic.DicName.clear();
  TDictionaryManager manager(Settings);
  EXPECT_EQ(manager.VirtualKeyDictionary(), nullptr);
  EXPECT_EQ(manager.Base(), nullptr);
  EXPECT_EQ(manager.BaseUser(), nullptr);
}

TEST_F(DictionaryManager, ChangedSettingsReopenOnlyWhatChanged) {
  SetExt(1, "Ext1", Put(Folder, "ext1.dic", "ｻﾙ,猿,1\r\n"));
  SetExt(2, "Ext2", Put(Folder, "ext2.dic", ""));
  TDictionaryManager manager(Settings);
  TDictionaryEXT* base = manager.Base();
  TDictionaryEXT* ext1 = manager.Main(1);
  TDictionaryEXT* ext2 = manager.Main(2);
  SetExt(2, "Renamed", Settings.ExtDics[1].DicFile);
  SetExt(3, " Ext3 ", " " + Folder.PathOf("new.dic") + " ");  // need not exist; trimmed
  Settings.BaseDic.DicName = "Other";                         // the base is never re-opened
  TDictionaryManager::TExtensionChange change = manager.OpenChangedExtensions();
  EXPECT_FALSE(change.IsEmpty());
  // Opened, not yet in use.
  EXPECT_EQ(manager.Main(2), ext2);
  EXPECT_EQ(manager.Main(3), nullptr);
  EXPECT_TRUE(std::filesystem::exists(Folder.PathOf("new.dic")));
  manager.SwapIn(change);
  EXPECT_EQ(manager.Base(), base);
  EXPECT_EQ(manager.Main(1), ext1);
  EXPECT_EQ(manager.Main(2)->GetName(), "Renamed");
  ASSERT_NE(manager.Main(3), nullptr);
  EXPECT_EQ(manager.Main(3)->GetName(), "Ext3");
  EXPECT_EQ(manager.User(3)->GetFileName(), Folder.PathOf("new.usr"));
  // The change now holds the replaced dictionary, still readable.
  EXPECT_EQ(ext2->GetName(), "Ext2");

  SetExt(1, "", "");  // a group left empty closes the dictionary
  change = manager.OpenChangedExtensions();
  manager.SwapIn(change);
  EXPECT_EQ(manager.Main(1), nullptr);
  EXPECT_EQ(manager.User(1), nullptr);
  EXPECT_EQ(manager.FindByName("Ext1"), nullptr);
  EXPECT_TRUE(manager.OpenChangedExtensions().IsEmpty());
}

TEST_F(DictionaryManager, AChangeThatCannotBeOpenedLeavesEverythingInUse) {
  SetExt(1, "Ext1", Put(Folder, "ext1.dic", "ｻﾙ,猿,1\r\n"));
  TDictionaryManager manager(Settings);
  TDictionaryEXT* ext1 = manager.Main(1);
  SetExt(1, "Ext1", Put(Folder, "other.dic", ""));
  SetExt(2, "Ext2", Put(Folder, "ext2.dic", ""));
  // Its user file cannot be made: a folder has its name.
  std::filesystem::create_directory(Folder.PathOf("ext2.usr"));
  try {
    manager.OpenChangedExtensions();
    ADD_FAILURE() << "opened a dictionary without its user file";
  } catch (const TDictionaryOpenError& failure) {
    EXPECT_EQ(failure.File(), Folder.PathOf("ext2.usr"));
    EXPECT_NE(std::string(failure.what()).find(Folder.PathOf("ext2.usr") + "\"を開けません"),
              std::string::npos);
  }
  EXPECT_EQ(manager.Main(1), ext1);
  EXPECT_TRUE(manager.Main(1)->HasWord("ｻﾙ", "猿", 1));
  EXPECT_EQ(manager.Main(2), nullptr);
}

TEST_F(DictionaryManager, AtStartADictionaryThatCannotBeOpenedCostsOnlyItself) {
  SetExt(1, "Ext1", Put(Folder, "ext1.dic", ""));
  SetExt(2, "Ext2", Put(Folder, "ext2.dic", "ｻﾙ,猿,1\r\n"));
  std::filesystem::create_directory(Folder.PathOf("ext1.usr"));
  TDictionaryManager manager(Settings);
  ASSERT_EQ(manager.OpenFailures().size(), 1u);
  EXPECT_EQ(manager.OpenFailures()[0].File(), Folder.PathOf("ext1.usr"));
  EXPECT_NE(manager.Base(), nullptr);
  EXPECT_EQ(manager.Main(1), nullptr);
  EXPECT_EQ(manager.User(1), nullptr);
  ASSERT_NE(manager.Main(2), nullptr);
  EXPECT_TRUE(manager.Main(2)->HasWord("ｻﾙ", "猿", 1));
  EXPECT_NE(manager.VirtualKeyDictionary(), nullptr);
  // Mended, the settings as they are open it.
  std::filesystem::remove(Folder.PathOf("ext1.usr"));
  TDictionaryManager::TExtensionChange change = manager.OpenChangedExtensions();
  manager.SwapIn(change);
  EXPECT_NE(manager.Main(1), nullptr);
  EXPECT_EQ(manager.Main(2)->GetName(), "Ext2");
}

TEST_F(DictionaryManager, GlobalReference) {
  TDictionaryManager manager(Settings);
  SetDictionaryManager(&manager);
  EXPECT_EQ(::DictionaryManager(), &manager);
  SetDictionaryManager(nullptr);
  EXPECT_EQ(::DictionaryManager(), nullptr);
}
