#include "kirimo/engine/manager_dictionary_finder.h"

#include <gtest/gtest.h>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/dictionary_dialogs/word_registration.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/engine/dictionary_reading_index.h"
#include "readings/ime_readings.h"
#include "readings/reading_index.h"
#include "readings/reading_proposer.h"

namespace {

class TNoReadings : public TReadingSource {
 public:
  TStringList ReverseConversion(std::string_view) override { return {}; }
};

class ManagerDictionaryFinder : public ::testing::Test {
 protected:
  ManagerDictionaryFinder() : Settings(Folder.PathOf("Kirimo.exe"), 500) {
    Settings.DicFolder = Folder.PathOf("dic");
    Settings.BaseDic.DicName = "基本";
    Folder.Write("base.dic", "ｲﾇ,犬,001\r\nｹﾝｷｭｳ,研究,001\r\n");
    Settings.BaseDic.DicFile = Folder.PathOf("base.dic");
    Folder.Write("ext3.dic", "ｻﾙ,猿,001\r\n");
    Settings.ExtDics[2].DicName = "Ext3";
    Settings.ExtDics[2].DicFile = Folder.PathOf("ext3.dic");
    Settings.ExtDics[0].DicName = "Ext1";
    Settings.ExtDics[0].DicFile = Folder.PathOf("missing.dic");
  }
  TTestFolder Folder;
  TAppIni Settings;
};

}  // namespace

TEST_F(ManagerDictionaryFinder, RegisteredWordsAreInTheUserFileAndKnownAtOnce) {
  TDictionaryManager manager(Settings);
  TManagerDictionaryFinder finder(manager, Settings);
  EXPECT_EQ(finder.RegistrableNames(), (TStringList{"基本", "Ext3"}));
  TNoReadings readings;
  TWordRegistration registration(finder, readings);
  TRegistrationFields fields{"Ext3", "研究所", "けんきゅうじょ", {}, 1};
  EXPECT_EQ(registration.Register(fields).Message, RegisteredMessage);
  EXPECT_TRUE(manager.User(3)->HasWord("ｹﾝｷｭｳｼﾞｮ", "研究所", 1));
  EXPECT_EQ(Folder.Read("ext3.usr"), "ｹﾝｷｭｳｼﾞｮ,研究所,001\r\n");
  EXPECT_EQ(registration.Register(fields).Message, DuplicateMessage);
  // Held by the main dictionary: nothing written.
  fields = {"基本", "犬", "いぬ", {}, 1};
  EXPECT_EQ(registration.Register(fields).Message, DuplicateMessage);
  EXPECT_EQ(Folder.Read("base.usr"), "");
}

TEST_F(ManagerDictionaryFinder, ProposalsKnowEveryOpenDictionaryAndItsUserFile) {
  TDictionaryManager manager(Settings);
  manager.User(3)->AddEntry("ｹﾝｷｭｳｼﾞｮ,研究所,001");
  TReadingIndex index;
  AddManagerDictionaries(manager, index);
  TReadingProposer proposer(index);
  EXPECT_EQ(proposer.Propose("猿"), (TStringList{"ｻﾙ"}));
  EXPECT_EQ(proposer.Propose("研究所"), (TStringList{"ｹﾝｷｭｳｼﾞｮ"}));
  EXPECT_EQ(proposer.Propose("犬猿").at(0), "ｲﾇｻﾙ");
}
