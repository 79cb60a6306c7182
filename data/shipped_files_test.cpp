// The files of data/ converted as scripts/make-dist ships them (CP932, CR LF)
// and read back through the programs' own classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "common/ascii_case.h"
#include "common/comma_list.h"
#include "common/cp932.h"
#include "common/profile_file.h"
#include "common/test_folder.h"
#include "common/text_checks.h"
#include "common/virtual_key.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/modes/dictionary_vk.h"
#include "kirimo/symbol_lists/clock.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

namespace {

std::string Source(const std::string& name) {
  std::ifstream in(std::string(KIRIMO_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedFiles : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Folder.PathOf("dic"));
    Ship("Kirimo.ini", "Kirimo.ini");
    Ship("Gleaner.ini", "Gleaner.ini");
    Ship("VirtualKeys.dic", "dic/VirtualKeys.dic");
  }

  // Every character must have one CP932 form, or iconv and our codec could disagree.
  void Ship(const std::string& source, const std::string& target) {
    std::string text = Source(source);
    ASSERT_FALSE(text.empty()) << source;
    std::string cp932 = Utf8ToCp932(text);
    ASSERT_EQ(Cp932ToUtf8(cp932), text) << source << " holds a character CP932 lacks";
    std::string shipped;
    for (char c : cp932) shipped += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Folder.Write(target, shipped);
  }

  TTestFolder Folder;
  TRecordingOutput Output;
  TFixedClock Clock{TDateTime{2026, 12, 8, 15, 4, 5, 0}};
};

}  // namespace

TEST_F(ShippedFiles, SettingsNameTheShippedDictionaries) {
  TAppIni ini(Folder.PathOf("Kirimo.exe"));
  EXPECT_TRUE(ini.FileExisted);
  EXPECT_EQ(ini.BaseDic.DicName, "基本");
  EXPECT_TRUE(ini.BaseDic.DicFile.ends_with("Base.dic"));
  EXPECT_EQ(ini.ExtDics[0].DicName, "固有名詞");
  EXPECT_TRUE(ini.ExtDics[0].DicFile.ends_with("ProperNouns.dic"));
  EXPECT_EQ(ini.ExtDics[1].DicFile, "");
  EXPECT_EQ(ini.ExtDics[2].DicFile, "");
  EXPECT_EQ(ini.NmDicName, "英数");
  EXPECT_TRUE(ini.VkDicFile.ends_with("VirtualKeys.dic"));
  EXPECT_EQ(ini.ListFont.Name, "ＭＳ ゴシック");
  EXPECT_EQ(ini.ListFont.Charset, 128);

  EXPECT_EQ(ini.DwellTime, 0);  // dwell is off until the user switches it on
  // Short enough for a vowel button of the shipped width.
  EXPECT_EQ(ini.SubButtonCaptions(), "Enter,BS,Space,Delete,Tab");
  for (const auto& button : ini.SubButtons) {
    EXPECT_NE(VirtualKeyCode(button.KeyName), 0) << button.Caption;
  }
  EXPECT_EQ(ini.KeyCommandName("bs"), "VK_BACK");
}

TEST_F(ShippedFiles, SymbolListsHoldKnownKeysAndWorkingPatterns) {
  TProfileFile settings(Folder.PathOf("Kirimo.ini"));
  TAppIni ini(Folder.PathOf("Kirimo.exe"));
  std::set<std::string> sections{ini.BaseDic.SymbolName, ini.NmSymbolName};
  for (const auto& ext : ini.ExtDics) sections.insert(ext.SymbolName);
  EXPECT_EQ(sections, (std::set<std::string>{"SYMBOL_JP", "SYMBOL_NM"}));

  for (const std::string& section : sections) {
    TSymbolListFile list(settings, section, Output, Clock);
    std::set<std::string> seen;
    for (const auto& item : list.Items()) {
      EXPECT_FALSE(item.empty()) << section;
      EXPECT_TRUE(seen.insert(item).second) << section << " repeats " << Cp932ToUtf8(item);
      if (list.IsKeyLabel(item)) {
        EXPECT_NE(VirtualKeyCode(list.KeyNameOf(item)), 0) << Cp932ToUtf8(item);
      }
    }
    for (std::string modifier : {"Shift", "Ctrl", "Alt"}) {
      EXPECT_TRUE(list.IsModifierLabel(modifier)) << section << " " << modifier;
    }
  }

  TSymbolListFile japanese(settings, "SYMBOL_JP", Output, Clock);
  EXPECT_EQ(japanese.FormatDateTimeOf("今日"), "2026年12月8日");
  EXPECT_EQ(japanese.FormatDateTimeOf("時刻"), "15時4分");
  EXPECT_EQ(japanese.FormatDateTimeOf("日時"), "2026/12/08 15:04");
  EXPECT_EQ(japanese.FormatDateTimeOf("和暦"), "令和8年12月8日");
  TSymbolListFile latin(settings, "SYMBOL_NM", Output, Clock);
  EXPECT_EQ(latin.FormatDateTimeOf("Date"), "2026/12/08");
  EXPECT_EQ(latin.FormatDateTimeOf("Time"), "15:04:05");
  EXPECT_EQ(latin.FormatDateTimeOf("12h"), "3:04 PM");
  // Quoted symbols survive the comma-list rule.
  const TStringList& items = latin.Items();
  for (std::string symbol : {",", "\"", "'", "()", "\\"}) {
    EXPECT_NE(std::find(items.begin(), items.end(), symbol), items.end()) << symbol;
  }
}

TEST_F(ShippedFiles, CommonSymbolsWithinTheFirstTwentyRows) {
  TProfileFile settings(Folder.PathOf("Kirimo.ini"));
  auto rowOf = [&](const std::string& section, const std::string& symbol) {
    TSymbolListFile list(settings, section, Output, Clock);
    const TStringList& items = list.Items();
    return std::find(items.begin(), items.end(), symbol) - items.begin();
  };
  // A list box shows 20 rows: what prose and code use most needs no scrolling.
  for (std::string symbol : {"、", "。", "「」", "（）", "・", "？", "！"}) {
    EXPECT_LT(rowOf("SYMBOL_JP", symbol), 20) << Cp932ToUtf8(symbol);
  }
  for (std::string symbol : {"()", "\"", ".", "'", "/", "\\", "`", ":", "-", "_", "*", ","}) {
    EXPECT_LT(rowOf("SYMBOL_NM", symbol), 20) << symbol;
  }
  EXPECT_LT(rowOf("SYMBOL_JP", "、"), rowOf("SYMBOL_JP", "〆"));
  EXPECT_LT(rowOf("SYMBOL_NM", "."), rowOf("SYMBOL_NM", "&"));
}

TEST_F(ShippedFiles, AlphanumericPagesSplitIntoItems) {
  TProfileFile settings(Folder.PathOf("Kirimo.ini"));
  int pages = 0;
  for (int n = 1;; ++n) {
    std::string value = settings.ReadString("NM_DIC", "NM_LIST" + std::to_string(n), "END");
    if (value == "END") break;
    ++pages;
    TStringList items = SplitCommaList(value);
    EXPECT_GE(items.size(), 10u) << n;
    for (const auto& item : items) EXPECT_FALSE(item.empty()) << n;
  }
  EXPECT_EQ(pages, 3);
  TStringList symbols = SplitCommaList(settings.ReadString("NM_DIC", "NM_LIST2", ""));
  EXPECT_TRUE(IsBracketPair(symbols.at(10))) << Cp932ToUtf8(symbols.at(10));
}

TEST_F(ShippedFiles, EveryVirtualKeyLabelPressesAKey) {
  TDictionaryVK keys("VK", Folder.PathOf("dic/VirtualKeys.dic"));
  const TStringList& labels = keys.GetLabels();
  EXPECT_EQ(labels.size(), 104u);
  std::set<std::string> seen;
  for (const auto& label : labels) {
    EXPECT_NE(keys.LabelToCode(label), 0) << Cp932ToUtf8(label);
    EXPECT_TRUE(seen.insert(ToUpperAscii(label)).second) << Cp932ToUtf8(label);
  }
  EXPECT_EQ(keys.CodeToLabel(16), "Shift");
  EXPECT_EQ(keys.CodeToLabel(17), "Ctrl");
  EXPECT_EQ(keys.CodeToLabel(18), "Alt");
  EXPECT_EQ(keys.LabelToCode("F24"), 135);
  EXPECT_EQ(keys.LabelToCode("PageDown"), 34);
}

TEST_F(ShippedFiles, GleanerPointsAtKirimoSettings) {
  EXPECT_EQ(Folder.Read("Gleaner.ini"), "DIC_INI=Kirimo.ini\r\n");
}

// make-dist ships data/NAME-license.txt as dic\NAME-LICENSE.txt; the README
// must send the user to every one of them, in both languages.
TEST_F(ShippedFiles, TheReadmeNamesEveryDictionaryLicence) {
  const std::string readme = Source("README.txt");
  int licences = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(KIRIMO_SOURCE_DIR) + "/data")) {
    const std::string name = entry.path().filename().string();
    const std::string suffix = "-license.txt";
    if (!name.ends_with(suffix)) continue;
    ++licences;
    const std::string shipped =
        "dic\\" + ToUpperAscii(name.substr(0, name.size() - suffix.size())) + "-LICENSE.txt";
    std::size_t first = readme.find(shipped);
    ASSERT_NE(first, std::string::npos) << shipped;
    EXPECT_NE(readme.find(shipped, first + 1), std::string::npos)
        << shipped << " in one language only";
  }
  EXPECT_EQ(licences, 2);
}
