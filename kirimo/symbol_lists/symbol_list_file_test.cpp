#include "kirimo/symbol_lists/symbol_list_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"

namespace {

const TDateTime Noon{2026, 12, 8, 12, 34, 56, 0};

class SymbolListFile : public testing::Test {
 protected:
  void TearDown() override { std::remove(Path.c_str()); }

  TProfileFile Settings(const std::string& text) {
    std::ofstream(Path, std::ios::binary) << text;
    return TProfileFile(Path);
  }

  // The keypad selects the item under the cursor, then hands the click on.
  bool Click(TSymbolListFile& list, std::string_view label) {
    if (ListBox.Items() != list.Items()) ListBox.SetItems(list.Items());
    int index = ListBox.IndexOf(label);
    ListBox.SetItemIndex(index);
    ListBox.SetSelected(index, true);
    return list.HandleClick(ListBox, index);
  }
  bool Selected(std::string_view label) const { return ListBox.IsSelected(ListBox.IndexOf(label)); }

  std::string Path = testing::TempDir() + "symbol_list_test.ini";
  TCandidateListModel ListBox;
  TRecordingOutput Output;
  TFixedClock Clock{Noon};
};

const char* const Modifiers =
    "[KEYS]\r\n"
    "VK_SHIFT=Shift\r\n"
    "VK_CONTROL=Ctrl\r\n"
    "VK_MENU=Alt\r\n"
    "VK_RETURN=改行\r\n";

TEST_F(SymbolListFile, ItemsAreDateTimeThenKeysThenSymbols) {
  TProfileFile settings = Settings(
      "[OTHER]\r\nDATE_TIME1=よそ,yyyy\r\n"
      "[SYM]\r\n"
      "SYMBOL=★ \"☆ ☆\" ♪\r\n"
      "VK_TAB=タブ\r\n"
      "DATE_TIME2=時刻,hh:nn\r\n"
      "vk_return=改行\r\n"
      "VK_EMPTY=\r\n"
      "DATE_TIME1=今日,\"yyyy/mm/dd (aaa)\"\r\n"
      "XVK_NOT=いいえ\r\n"
      "DATE_TIME3=日付だけ\r\n"
      "DATE_TIME4=,yyyy\r\n"
      "DATE_TIME5=元号,gge\r\n"
      "DATE_TIME7=届かない,yyyy\r\n");
  TSymbolListFile list(settings, "sym", Output, Clock);
  EXPECT_EQ(list.Items(), (TStringList{"今日", "時刻", "元号", "タブ", "改行", "★", "☆ ☆", "♪"}));
  EXPECT_EQ(list.DateTimeFormatOf("今日"), "yyyy/mm/dd (aaa)");
  EXPECT_FALSE(list.IsDateTimeLabel("日付だけ"));
  EXPECT_FALSE(list.IsDateTimeLabel("届かない"));
  EXPECT_EQ(list.KeyNameOf("改行"), "vk_return");
  EXPECT_FALSE(list.IsKeyLabel("いいえ"));
}

TEST_F(SymbolListFile, EndStopsTheDateTimeItemsAndAMissingSectionIsEmpty) {
  TProfileFile settings =
      Settings("[SYM]\r\nDATE_TIME1=一,yyyy\r\nDATE_TIME2=END\r\nDATE_TIME3=三,yyyy\r\n");
  EXPECT_EQ(TSymbolListFile(settings, "SYM", Output, Clock).Items(), TStringList{"一"});
  EXPECT_TRUE(TSymbolListFile(settings, "NONE", Output, Clock).Items().empty());
}

TEST_F(SymbolListFile, LabelsAndNames) {
  TProfileFile settings = Settings(
      "[SYM]\r\nDATE_TIME1=Today,yyyy/mm/dd\r\nVK_RETURN=Enter\r\nVK_TAB=Enter\r\n"
      "VK_CONTROL=Ctrl\r\nVK_LCONTROL=LCtrl\r\n");
  TSymbolListFile list(settings, "SYM", Output, Clock);
  EXPECT_TRUE(list.IsDateTimeLabel("TODAY"));
  EXPECT_EQ(list.DateTimeFormatOf("today"), "yyyy/mm/dd");
  EXPECT_EQ(list.FormatDateTimeOf("toDay"), "2026/12/08");
  EXPECT_EQ(list.FormatDateTimeOf("Enter"), "");
  EXPECT_EQ(list.KeyNameOf("Enter"), "VK_RETURN");  // the first of two entries
  EXPECT_EQ(list.KeyNameOf("enter"), "");
  EXPECT_FALSE(list.IsKeyLabel("ENTER"));
  EXPECT_TRUE(list.IsModifierLabel("Ctrl"));
  EXPECT_FALSE(list.IsModifierLabel("LCtrl"));  // left/right variants are ordinary keys
  EXPECT_FALSE(TSymbolListFile::IsModifierName("vk_shift"));
}

TEST_F(SymbolListFile, ShiftIsHeldUntilPickedAgain) {
  TProfileFile settings = Settings(Modifiers);
  TSymbolListFile list(settings, "KEYS", Output, Clock);
  EXPECT_TRUE(Click(list, "Shift"));
  EXPECT_TRUE(Selected("Shift"));
  EXPECT_TRUE(list.IsHeld(16));
  EXPECT_TRUE(list.IsModifierHeld("Shift"));
  EXPECT_EQ(list.HeldModifiers(), 1);

  EXPECT_TRUE(Click(list, "Shift"));
  EXPECT_EQ(ListBox.SelectedIndex(), -1);
  EXPECT_EQ(list.HeldModifiers(), 0);
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 16", "release 16"}));
}

TEST_F(SymbolListFile, CtrlStaysDownWhileOtherKeysArePressed) {
  TProfileFile settings = Settings(Modifiers);
  TSymbolListFile list(settings, "KEYS", Output, Clock);
  Click(list, "Ctrl");
  Click(list, "Alt");
  EXPECT_TRUE(Click(list, "改行"));
  EXPECT_FALSE(Selected("改行"));
  EXPECT_TRUE(Selected("Ctrl"));
  EXPECT_EQ(list.HeldModifiers(), 2 | 4);

  // Letting go of one modifier while another is held only deselects its item.
  Click(list, "Alt");
  EXPECT_FALSE(Selected("Alt"));
  EXPECT_TRUE(Selected("Ctrl"));
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 17", "hold 18", "press 13", "release 18"}));

  Click(list, "Shift");
  Click(list, "Alt");
  Output.Clear();
  list.ReleaseModifiers();
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"release 16", "release 18", "release 17"}));
  EXPECT_EQ(list.HeldModifiers(), 0);
  list.ReleaseModifiers();
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(SymbolListFile, DateTimeItemsAreTypedAndPlainItemsAreLeftToTheCaller) {
  TProfileFile settings = Settings(
      "[SYM]\r\nDATE_TIME1=Now,\"gge'年' h:nn AMPM\"\r\nvk_return=小文字\r\nVK_NOSUCH=謎\r\n"
      "SYMBOL=★\r\n");
  TSymbolListFile list(settings, "SYM", Output, Clock);
  EXPECT_TRUE(Click(list, "Now"));
  EXPECT_FALSE(Selected("Now"));
  EXPECT_EQ(Output.TakeCalls(), TStringList{"text 令和8年 12:34 午後"});

  // Unknown key names (lower case included) behave as plain symbols and stay selected.
  for (const char* plain : {"小文字", "謎", "★"}) {
    EXPECT_FALSE(Click(list, plain)) << plain;
    EXPECT_TRUE(Selected(plain));
  }
  ListBox.ClearSelection();
  EXPECT_FALSE(list.HandleClick(ListBox, 0));  // nothing selected
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(SymbolListFile, DestructionLetsGoOfHeldModifiers) {
  TProfileFile settings = Settings(Modifiers);
  {
    TSymbolListFile list(settings, "KEYS", Output, Clock);
    Click(list, "Ctrl");
  }
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 17", "release 17"}));
}

// Output whose key releases fail, as when the target has gone away.
class TFailingRelease : public TRecordingOutput {
 public:
  void ReleaseKey(int) override { throw std::runtime_error("no target"); }
};

TEST_F(SymbolListFile, AFailedReleaseKeepsTheModifierHeld) {
  TProfileFile settings = Settings(Modifiers);
  TFailingRelease output;
  TSymbolListFile list(settings, "KEYS", output, Clock);
  Click(list, "Shift");
  EXPECT_TRUE(Click(list, "Shift"));
  EXPECT_TRUE(list.IsHeld(16));
  list.ReleaseModifiers();
  EXPECT_TRUE(list.IsHeld(16));
}

}  // namespace
