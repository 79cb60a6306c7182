#include "kirimo/modes/cartridge_nm.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/test_folder.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"

namespace {

const char* const SymbolPages =
    "[NM_DIC]\r\n"
    "DicName=英数\r\n"
    "SymbolName=SYM\r\n"
    "NM_LIST1=おはよう,\" 「」 \",ｱ\r\n"
    "NM_LIST2=http://\r\n"
    "NM_LIST4=never read\r\n"
    "[SUB_BUTTON_VK]\r\n"
    "VK_RETURN=Enter\r\n"
    "VK_TAB=Tab\r\n"
    "[SYM]\r\n"
    "DATE_TIME1=今日,yyyy/mm/dd\r\n"
    "VK_SHIFT=Shift\r\n"
    "VK_RETURN=改行\r\n"
    "SYMBOL=ＡＢ ★\r\n";

class CartridgeNM : public ::testing::Test {
 protected:
  // The keypad: a settings file beside the program, the cartridge plugged in.
  void Plug(const std::string& ini) {
    Folder.Write("Kirimo.ini", ini);
    Settings = std::make_unique<TAppIni>(Folder.PathOf("Kirimo.exe"), 500);
    Cartridge = std::make_unique<TCartridgeNM>(*Settings, Output, Clock);
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
    Cartridge->AttachNamePanel(Panel);
  }
  // The keypad selects the item under the cursor, then reports the release or the long press.
  void Click(std::string_view label) {
    int index = List.IndexOf(label);
    ASSERT_GE(index, 0) << label;
    List.SetSelected(index, true);
    Cartridge->SelectCandidate(index);
  }
  void LongPress(std::string_view label) {
    int index = List.IndexOf(label);
    ASSERT_GE(index, 0) << label;
    List.SetSelected(index, true);
    Cartridge->Accumulate();
  }
  int SelectedCount() const {
    int count = 0;
    for (int i = 0; i < List.Count(); ++i) count += List.IsSelected(i) ? 1 : 0;
    return count;
  }

  TTestFolder Folder;
  TFixedClock Clock{TDateTime{2026, 12, 8, 9, 5, 0, 0}};
  TRecordingOutput Output;
  TCandidateListModel List;
  TPlainNamePanel Panel;
  std::unique_ptr<TAppIni> Settings;
  std::unique_ptr<TCartridgeNM> Cartridge;
};

const TStringList SymbolItems = {"今日", "Shift", "改行", "ＡＢ", "★"};

TEST_F(CartridgeNM, PagesAreTheSymbolListThenTheListKeysUpToTheFirstGap) {
  Plug(SymbolPages);
  EXPECT_EQ(Panel.Caption(), "英数");
  EXPECT_EQ(Cartridge->PageCount(), 3);
  EXPECT_EQ(List.Items(), SymbolItems);
  Cartridge->Forward();
  EXPECT_EQ(List.Items(), (TStringList{"おはよう", " 「」 ", "ｱ"}));
  Cartridge->Forward();
  EXPECT_EQ(List.Items(), TStringList{"http://"});
  Cartridge->Forward();  // past the last page: the first again
  EXPECT_EQ(Cartridge->PageIndex(), 0);
  Cartridge->Back();  // before the first: the last
  EXPECT_EQ(Cartridge->PageIndex(), 2);
  EXPECT_EQ(List.Items(), TStringList{"http://"});
}

TEST_F(CartridgeNM, WithoutPagesThereIsOneEmptyPage) {
  Plug("[NM_DIC]\r\nDicName=英数\r\n");
  EXPECT_EQ(Cartridge->PageCount(), 1);
  Cartridge->Forward();
  Cartridge->Back();
  Cartridge->Back();
  EXPECT_EQ(Cartridge->PageIndex(), 0);
  EXPECT_TRUE(List.Items().empty());
}

TEST_F(CartridgeNM, CaptionSetsSwitchOnTheHashKeyAndTheGridIsAsShipped) {
  Plug(SymbolPages);
  TStringList digits = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "0", "英", " "};
  TStringList letters = {"",    "ABC",  "DEF", "GHI", "JKL", "MNO", "PQRS",
                         "TUV", "WXYZ", "",    "",    "数",  " "};
  EXPECT_EQ(Cartridge->GetKeyLabels(), digits);
  Cartridge->NextKeyLayout();
  EXPECT_EQ(Cartridge->GetKeyLabels(), letters);
  Cartridge->NextKeyLayout();
  EXPECT_EQ(Cartridge->GetKeyLabels(), digits);
  std::string grid = Cartridge->GetGridLetters();
  EXPECT_EQ(grid, "@abcdefghijklmnopqrstuvwxyz#%&0123456789:/._-~\"!? ");
  EXPECT_EQ(grid.size(), 50u);
}

TEST_F(CartridgeNM, DigitKeysTypeTextWhileVowelsAndGridCellsPressKeys) {
  Plug(SymbolPages);
  Cartridge->InputKey("1");
  Cartridge->InputKey("ABC");  // a letter group only offers its letters
  Cartridge->InputSyllable("1");
  Cartridge->InputSyllable("q");
  Cartridge->InputSyllable("&&");
  Cartridge->InputSyllable("~");
  Cartridge->InputVowel("a");
  Cartridge->InputVowel("enter");  // a sub-button caption, any case
  Cartridge->InputVowel("?");
  EXPECT_EQ(Output.Calls(), (TStringList{"text 1", "press 49", "press 81", "text &", "text ~",
                                         "press 65", "press 13"}));
}

TEST_F(CartridgeNM, SubButtonsWorkOnlyWhileActive) {
  Plug(SymbolPages);
  Cartridge->SetActive(false);
  Cartridge->InputVowel("Tab");
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(CartridgeNM, VowelLabelsAreTheGroupsLettersOrTheSubButtons) {
  Plug(SymbolPages);
  EXPECT_EQ(Cartridge->GetVowelLabels("PQRS"), (TStringList{"p", "q", "r", "s"}));
  EXPECT_EQ(Cartridge->GetVowelLabels("ABC"), (TStringList{"a", "b", "c"}));
  TStringList subButtons = {"Enter", "Tab", " ", " ", " "};
  EXPECT_EQ(Cartridge->GetVowelLabels(""), subButtons);
  EXPECT_EQ(Cartridge->GetVowelLabels("1"), subButtons);
}

TEST_F(CartridgeNM, ItemsAreSentTrimmedAndBracketPairsPutTheCaretInside) {
  Plug(SymbolPages);
  Cartridge->Forward();
  Click(" 「」 ");
  Click("ｱ");
  EXPECT_EQ(Output.Calls(), (TStringList{"text 「」", "keydown 37", "text ｱ"}));
  EXPECT_EQ(SelectedCount(), 0);
  // A release over an item that was never selected delivers nothing.
  Cartridge->SelectCandidate(0);
  EXPECT_EQ(Output.Calls().size(), 3u);
}

TEST_F(CartridgeNM, SymbolPageClicksGoToTheSymbolList) {
  Plug(SymbolPages);
  Click("今日");
  Click("改行");
  Click("★");
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"text 2026/12/08", "press 13", "text ★"}));
  Click("Shift");
  EXPECT_TRUE(List.IsSelected(List.IndexOf("Shift")));
  // Every way off the symbol page lets the modifier go.
  Cartridge->Forward();
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 16", "release 16"}));
  Cartridge->Back();
  Click("Shift");
  Cartridge->SetActive(false);
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 16", "release 16"}));
  Cartridge->SetActive(true);
  Cartridge->AttachListBox(List);
  Click("Shift");
  Cartridge.reset();
  EXPECT_EQ(Output.TakeCalls(), (TStringList{"hold 16", "release 16"}));
}

TEST_F(CartridgeNM, LongPressOnASymbolOffersBothWidths) {
  Plug(SymbolPages);
  LongPress("ＡＢ");
  EXPECT_TRUE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(List.Items(), (TStringList{"ＡＢ", "AB"}));
  EXPECT_EQ(SelectedCount(), 0);
  LongPress("AB");  // a second long press changes nothing
  EXPECT_EQ(List.Items(), (TStringList{"ＡＢ", "AB"}));
  Click("AB");
  EXPECT_EQ(Output.Calls(), TStringList{"text AB"});
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(List.Items(), SymbolItems);
  EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(CartridgeNM, LongPressOnADateOffersTheFormattedDate) {
  Plug(SymbolPages);
  LongPress("今日");
  EXPECT_EQ(List.Items(), (TStringList{"２０２６／１２／０８", "2026/12/08"}));
  // Back leaves the choice for the same page.
  Cartridge->Back();
  EXPECT_EQ(Cartridge->PageIndex(), 0);
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(List.Items(), SymbolItems);
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(CartridgeNM, AWidthFormIsSentAsTextEvenWhenItReadsLikeAKeyLabel) {
  Plug("[NM_DIC]\r\nSymbolName=SYM\r\n[SYM]\r\nVK_SHIFT=Shift\r\nSYMBOL=Ｓｈｉｆｔ\r\n");
  LongPress("Ｓｈｉｆｔ");
  Click("Shift");
  EXPECT_EQ(Output.Calls(), TStringList{"text Shift"});
}

TEST_F(CartridgeNM, LongPressOnKeysAndOtherPagesOnlyDeselects) {
  Plug(SymbolPages);
  LongPress("改行");
  EXPECT_EQ(SelectedCount(), 0);
  Click("Shift");
  LongPress("Shift");  // a held modifier stays marked
  EXPECT_TRUE(List.IsSelected(List.IndexOf("Shift")));
  Cartridge->Forward();
  LongPress("おはよう");
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(SelectedCount(), 0);
  EXPECT_EQ(Output.Calls(), (TStringList{"hold 16", "release 16"}));
}

TEST_F(CartridgeNM, ClearReturnsFromTheWidthChoiceToThePage) {
  Plug(SymbolPages);
  LongPress("★");
  Cartridge->Clear();
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(List.Items(), SymbolItems);
}

TEST_F(CartridgeNM, WithoutASymbolListTheFirstPageIsAPlainOne) {
  Plug("[NM_DIC]\r\nNM_LIST1=ＡＢ,★\r\n");
  EXPECT_EQ(Panel.Caption(), "NM");
  LongPress("ＡＢ");
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  Click("★");
  EXPECT_EQ(Output.Calls(), TStringList{"text ★"});
}

}  // namespace

// Whatever the list shows, a click on one of its items types that item.
TEST_F(CartridgeNM, AClickTypesTheShownItemInEveryStateOfTheList) {
  Plug(SymbolPages);
  Click("★");  // the symbol page
  LongPress("ＡＢ");
  Click("AB");  // its width forms
  // ">" shows the next page and leaves the width choice as it is: the page's
  // items are typed, and the choice ends with the first.
  LongPress("★");
  Cartridge->Forward();
  Click("おはよう");
  EXPECT_FALSE(Cartridge->WidthChoiceShown());
  EXPECT_EQ(Cartridge->PageIndex(), 1);
  EXPECT_EQ(List.Items(), (TStringList{"おはよう", " 「」 ", "ｱ"}));
  // Pages reached the same way, the symbol page too.
  Cartridge->Back();
  LongPress("★");
  Cartridge->Forward();
  Cartridge->Forward();
  Click("http://");
  Cartridge->Back();
  Cartridge->Back();
  LongPress("★");
  for (int page = 0; page < Cartridge->PageCount(); ++page) Cartridge->Forward();
  Click("今日");
  Click("★");
  // The width forms left when the mode was switched away and back.
  LongPress("★");
  Cartridge->SetActive(false);
  Cartridge->SetActive(true);
  Cartridge->AttachListBox(List);
  Click("★");
  EXPECT_EQ(Output.Calls(), (TStringList{"text ★", "text AB", "text おはよう", "text http://",
                                         "text 2026/12/08", "text ★", "text ★"}));
}
