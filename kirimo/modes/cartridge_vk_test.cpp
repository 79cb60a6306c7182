#include "kirimo/modes/cartridge_vk.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/modes/dictionary_vk.h"

namespace {

const char* const KeyFile =
    "VK_SHIFT=Shift\r\n"
    "VK_CONTROL=Ctrl\r\n"
    "VK_MENU=Alt\r\n"
    "VK_RETURN=Enter\r\n"
    "VK_ESCAPE=esc\r\n"
    "VK_F1=F1\r\n"
    "VK_F5=F5\r\n"
    "VK_F10=F10\r\n"
    "VK_DELETE=Del\r\n"
    "VK_END=End\r\n"
    "VK_BACK=BackSpace\r\n"
    "VK_LEFT=←\r\n"
    "VK_NOTHING=Nowhere\r\n";

const TStringList AllLabels = {"Shift", "Ctrl", "Alt", "Enter",     "esc", "F1",     "F5",
                               "F10",   "Del",  "End", "BackSpace", "←",   "Nowhere"};

class CartridgeVK : public ::testing::Test {
 protected:
  CartridgeVK() : Settings("/nonexistent/Kirimo.exe", 500) {
    Settings.SubButtons[0] = {"VK_RETURN", "Enter"};
    Folder.Write("vk.txt", KeyFile);
    Keys = std::make_unique<TDictionaryVK>("VK", Folder.PathOf("vk.txt"));
    Cartridge = std::make_unique<TCartridgeVK>(Settings, Output);
    Cartridge->SetDictionary(Keys.get());
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
  }
  // The keypad selects the item under the cursor, then reports the release.
  void Click(std::string_view label) {
    int index = List.IndexOf(label);
    ASSERT_GE(index, 0) << label;
    List.SetSelected(index, true);
    Cartridge->SelectCandidate(index);
  }
  TStringList SelectedItems() const {
    TStringList selected;
    for (int i = 0; i < List.Count(); ++i) {
      if (List.IsSelected(i)) selected.push_back(List.ItemText(i));
    }
    return selected;
  }

  TTestFolder Folder;
  TAppIni Settings;
  TRecordingOutput Output;
  TCandidateListModel List;
  std::unique_ptr<TDictionaryVK> Keys;
  std::unique_ptr<TCartridgeVK> Cartridge;
};

TEST_F(CartridgeVK, KeysNarrowByTheNextCharacterShortestFirst) {
  EXPECT_EQ(List.Items(), AllLabels);
  Cartridge->InputKey("ABC");
  EXPECT_EQ(List.Items(), (TStringList{"Alt", "Ctrl", "BackSpace"}));
  Cartridge->Back();
  Cartridge->InputKey("DEF");  // either case
  EXPECT_EQ(List.Items(), (TStringList{"F1", "F5", "Del", "End", "esc", "F10", "Enter"}));
  Cartridge->InputKey("MNO");
  EXPECT_EQ(List.Items(), (TStringList{"End", "Enter"}));
  Cartridge->Back();
  Cartridge->InputKey("0");  // any digit
  EXPECT_EQ(List.Items(), (TStringList{"F1", "F5", "F10"}));
  Cartridge->Back();
  Cartridge->InputSyllable("5");  // that digit only
  EXPECT_EQ(List.Items(), TStringList{"F5"});
  Cartridge->Back();
  Cartridge->Back();
  Cartridge->InputKey("@");  // neither letter nor digit
  EXPECT_EQ(List.Items(), TStringList{"←"});
}

TEST_F(CartridgeVK, GridCellsNarrowByTheirOwnLetterOnly) {
  Cartridge->InputSyllable("E");
  EXPECT_EQ(List.Items(), (TStringList{"End", "esc", "Enter"}));
  Cartridge->InputSyllable("N");
  EXPECT_EQ(List.Items(), (TStringList{"End", "Enter"}));
  Cartridge->InputSyllable(" ");  // a blank cell does nothing
  Cartridge->InputKey("");
  EXPECT_EQ(List.Items(), (TStringList{"End", "Enter"}));
  Cartridge->Back();
  EXPECT_EQ(List.Items(), (TStringList{"End", "esc", "Enter"}));
}

TEST_F(CartridgeVK, ANarrowingToNothingStaysUntilBack) {
  Cartridge->InputKey("DEF");
  Cartridge->InputKey("WXYZ");
  EXPECT_TRUE(List.Items().empty());
  Cartridge->InputKey("ABC");
  Cartridge->InputSyllable("E");
  EXPECT_TRUE(List.Items().empty());
  Cartridge->Back();  // one back undoes the empty step, not the keys after it
  EXPECT_EQ(List.Items().size(), 7u);
}

TEST_F(CartridgeVK, PickingAKeyPressesItAndANarrowedListStartsOver) {
  Click("Enter");
  EXPECT_TRUE(SelectedItems().empty());
  Cartridge->InputKey("DEF");
  Click("F5");
  Click("Nowhere");  // a label whose name is no key presses nothing
  EXPECT_EQ(Output.Calls(), (TStringList{"press 13", "press 116"}));
  EXPECT_EQ(List.Items(), AllLabels);
  EXPECT_TRUE(SelectedItems().empty());
}

TEST_F(CartridgeVK, ModifierThenNarrowedKeyMakesACombinationAndLetsGo) {
  Click("Ctrl");
  EXPECT_TRUE(Cartridge->IsHeld(17));
  EXPECT_EQ(SelectedItems(), TStringList{"Ctrl"});
  Cartridge->InputKey("DEF");
  EXPECT_EQ(List.ItemText(0), "Ctrl");
  Click("Del");
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 17", "press 46", "release 17"}));
  EXPECT_EQ(Cartridge->HeldModifiers(), 0);
  EXPECT_EQ(List.Items(), AllLabels);
  EXPECT_TRUE(SelectedItems().empty());
}

TEST_F(CartridgeVK, AKeyFromTheFullListKeepsTheModifierHeld) {
  Click("Ctrl");
  Click("Enter");
  Click("Enter");
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 17", "press 13", "press 13"}));
  EXPECT_EQ(SelectedItems(), TStringList{"Ctrl"});
  Click("Ctrl");  // picked again: let go
  EXPECT_EQ(Output.Calls().back(), "release 17");
  EXPECT_TRUE(SelectedItems().empty());
}

TEST_F(CartridgeVK, HeldModifiersStandOnTopOfEveryListSelected) {
  Click("Shift");
  Click("Alt");
  Click("Ctrl");
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 16", "hold 18", "hold 17"}));
  Cartridge->InputKey("MNO");
  EXPECT_EQ(List.Items(), (TStringList{"Ctrl", "Alt", "Shift", "Nowhere"}));
  EXPECT_EQ(SelectedItems(), (TStringList{"Ctrl", "Alt", "Shift"}));
  Cartridge->InputKey("WXYZ");  // the empty list too
  Cartridge->InputKey("ABC");
  EXPECT_EQ(List.Items(), (TStringList{"Ctrl", "Alt", "Shift"}));
  Cartridge->Back();
  EXPECT_EQ(List.Items(), (TStringList{"Ctrl", "Alt", "Shift", "Nowhere"}));
  // A list box attached later shows them too.
  TCandidateListModel other;
  Cartridge->AttachListBox(other);
  EXPECT_EQ(other.ItemText(0), "Ctrl");
  EXPECT_TRUE(other.IsSelected(2));
  Cartridge->AttachListBox(List);
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(CartridgeVK, LongPressKeepsOnlyAHeldModifierSelected) {
  Click("Shift");
  List.SetSelected(List.IndexOf("Shift"), true);
  Cartridge->Accumulate();
  EXPECT_EQ(SelectedItems(), TStringList{"Shift"});
  Cartridge->Back();  // the full list shown anew: nothing selected, Shift let go
  List.SetSelected(List.IndexOf("End"), true);
  Cartridge->Accumulate();
  EXPECT_TRUE(SelectedItems().empty());
}

TEST_F(CartridgeVK, EveryWayOutLetsTheModifiersGo) {
  Click("Shift");
  Cartridge->Back();  // on the full list only the modifiers change
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 16", "release 16"}));
  EXPECT_EQ(List.Items(), AllLabels);

  Click("Alt");
  Cartridge->InputKey("ABC");
  Cartridge->Clear();
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 18", "release 18"}));
  EXPECT_EQ(List.Items(), AllLabels);

  Click("Ctrl");
  Cartridge->InputKey("ABC");
  Cartridge->SetActive(false);
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 17", "release 17"}));
  Cartridge->SetActive(true);
  Cartridge->AttachListBox(List);
  EXPECT_EQ(List.Items(), AllLabels);

  Click("Ctrl");
  Click("Shift");
  Cartridge.reset();
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 17", "hold 16", "release 16", "release 17"}));
}

TEST_F(CartridgeVK, AHeldModifierWithoutALabelShowsNothing) {
  Click("Ctrl");
  Folder.Write("short.txt", "VK_F1=F1\r\nVK_F2=F2\r\n");
  TDictionaryVK noCtrl("VK", Folder.PathOf("short.txt"));
  Cartridge->SetDictionary(&noCtrl);
  Cartridge->InputKey("DEF");
  EXPECT_EQ(List.Items(), (TStringList{"F1", "F2"}));
  EXPECT_TRUE(SelectedItems().empty());
  Cartridge->Clear();
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 17", "release 17"}));
}

TEST_F(CartridgeVK, VowelButtonsAreTheSubButtonsWhileActive) {
  EXPECT_EQ(Cartridge->GetVowelLabels("ABC"), (TStringList{"Enter", " ", " ", " ", " "}));
  Cartridge->InputVowel("enter");
  Cartridge->InputVowel("a");
  Cartridge->SetActive(false);
  Cartridge->InputVowel("Enter");
  EXPECT_EQ(Output.Calls(), TStringList{"press 13"});
  EXPECT_EQ(Cartridge->GetKeyLabels().size(), 12u);
  EXPECT_EQ(Cartridge->GetGridLetters().size(), 50u);
}

}  // namespace

// A dictionary of many names that all begin with one letter: narrowing sorts
// them all, shortest first (bench-hostile measures the time it takes, on
// 100,000 names).
TEST(CartridgeVKMany, NarrowingManyLabelsSortsThemAll) {
  TTestFolder folder;
  {
    std::ofstream file(folder.PathOf("many.txt"), std::ios::binary);
    for (int i = 0; i < 20000; ++i) file << "VK_F1=A" << (i * 7919 % 20000) << "\r\n";
  }
  TAppIni settings("/nonexistent/Kirimo.exe", 500);
  TRecordingOutput output;
  TCandidateListModel list;
  TDictionaryVK keys("VK", folder.PathOf("many.txt"));
  TCartridgeVK cartridge(settings, output);
  cartridge.SetDictionary(&keys);
  cartridge.SetActive(true);
  cartridge.AttachListBox(list);
  cartridge.InputKey("ABC");
  ASSERT_EQ(list.Count(), 20000);
  EXPECT_EQ(list.ItemText(0), "A0");
  EXPECT_EQ(list.ItemText(10), "A10");
  EXPECT_EQ(list.ItemText(19999), "A19999");
}
