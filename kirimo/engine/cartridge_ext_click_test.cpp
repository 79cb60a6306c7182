// Whatever the list shows, a click on one of its items types that item: the
// selection is checked against the list on screen, whichever state put it
// there, and what a click types becomes the newest history entry.
#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

class TCartridgeEXTClick : public TCartridgeEXTFixture {
 protected:
  void SetUp() override {
    AppendTo(Folder / "Kirimo.ini", "[CLICKS]\r\nDATE_TIME1=今日,yyyy/mm/dd\r\nSYMBOL=＃\r\n");
    Open();
    Cartridge->SetSymbolList("CLICKS");
  }

  // Clicks text on the list; it must be typed and learnt, and the history show.
  void ExpectClickTypes(const std::string& text) {
    Output.Clear();
    Choose(text);
    EXPECT_EQ(Output.Calls(), TStringList{"text " + text});
    EXPECT_EQ(Cartridge->HistorySnapshot().front(), text);
    EXPECT_EQ(Cartridge->GetKeyString(), "");
    EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  }

  // The keypad switches to another mode and back.
  void SwitchAwayAndBack() {
    Cartridge->SetActive(false);
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
  }
};

TEST_F(TCartridgeEXTClick, CandidatesHistoryAndVariantsTypeTheClickedItem) {
  Keys({"た", "な"});
  ExpectClickTypes("棚");
  ExpectClickTypes("基本");  // the history

  Keys({"や", "ら"});
  LongPress("よろしく");  // plain words open their variants
  ExpectClickTypes("ヨロシク");

  Keys({"た", "は"});
  LongPress("食べる");  // phrase mode
  ExpectClickTypes("食べた");

  Settings.Use50Key = true;
  Syllable("A");
  Syllable("B");
  LongPress("abc");
  ExpectClickTypes("Ａｂｃ");
  LongPress("Ａｂｃ");  // the widths of a history entry
  ExpectClickTypes("Ａｂｃ");
}

TEST_F(TCartridgeEXTClick, ASelectionABackStepRestoredDoesNotTakeAClickOnAnotherItem) {
  Keys({"た", "は"});
  LongPress("食べ物");
  BackKey();
  ASSERT_TRUE(List.IsSelected(Position("食べ物")));
  ASSERT_GT(Position("食べる"), Position("食べ物"));
  ExpectClickTypes("食べる");
}

TEST_F(TCartridgeEXTClick, TheSymbolListAndItsWidthFormsTypeTheClickedItem) {
  BackKey();
  ASSERT_EQ(List.Items(), (TStringList{"今日", "＃"}));
  ExpectClickTypes("＃");

  BackKey();
  LongPress("＃");
  ASSERT_EQ(List.Items(), (TStringList{"＃", "#"}));
  ExpectClickTypes("#");

  BackKey();
  LongPress("今日");
  ASSERT_EQ(List.Count(), 2);
  ExpectClickTypes(List.ItemText(1));  // the date, half-width
}

TEST_F(TCartridgeEXTClick, VariantsLeftOpenShowAgainAfterASwitch) {
  Settings.Use50Key = true;
  Syllable("A");
  Syllable("B");
  LongPress("abc");
  const TStringList variants = List.Items();
  SwitchAwayAndBack();
  EXPECT_EQ(List.Items(), variants);
  ExpectClickTypes("ABC");

  BackKey();
  LongPress("＃");
  SwitchAwayAndBack();  // the symbol list goes, its width forms stay
  EXPECT_EQ(List.Items(), (TStringList{"＃", "#"}));
  ExpectClickTypes("＃");
}

// The variants were of a candidate of the list a vowel narrows: they close,
// and the narrowed candidates are what a click types and Back steps down from.
TEST_F(TCartridgeEXTClick, AVowelClosesTheVariantsOverTheListItNarrows) {
  Keys({"た", "は"});
  Vowel("へ");
  LongPress("食べる");
  Key("ま");
  Select("食べます");
  Cartridge->Forward();
  Cartridge->WaitUntilIdle();
  ASSERT_GE(Position("タベマス"), 0);
  Vowel("ま");
  EXPECT_LT(Position("タベマス"), 0);
  ExpectClickTypes("食べまし");

  Keys({"た", "は"});
  Vowel("へ");
  LongPress("食べる");
  const TStringList phraseMode = List.Items();
  Key("ま");
  Select("食べます");
  Cartridge->Forward();
  Cartridge->WaitUntilIdle();
  Vowel("ま");
  BackKey();
  EXPECT_EQ(Cartridge->GetKeyString(), "/");
  EXPECT_EQ(Cartridge->StackDepth(), 3);
  EXPECT_EQ(List.Items(), phraseMode);
}

}  // namespace
