// What the user sees while typing: first keys, later keys, vowels, phrase mode,
// the cache and the reload of the user dictionary.
#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

using TCartridgeEXTInput = TCartridgeEXTFixture;

TEST_F(TCartridgeEXTInput, LayoutsAndGridStringsAreTheKeypadsOwn) {
  TStringList latin = {"@",    "ABC", "DEF",  "GHI", "JKL", "MNO",
                       "PQRS", "TUV", "WXYZ", "",    "0",   "あ"};
  Cartridge->NextKeyLayout();
  EXPECT_EQ(Cartridge->GetKeyLabels(), latin);
  std::string grid = Cartridge->GetGridLetters();
  EXPECT_EQ(grid.size(), 50u);
  EXPECT_EQ(grid.substr(37, 2), "ﾞﾚ");
}

TEST_F(TCartridgeEXTInput, FirstKeyTakesUserWordsBeforeMainWordsOfEachLetter) {
  Key("か");
  EXPECT_EQ(Cartridge->GetKeyString(), "ｶ");
  // 肩 (user) and 傘 (main) both begin with ｶ; 機械 begins with the next letter.
  ASSERT_GE(Position("肩"), 0);
  EXPECT_LT(Position("肩"), Position("傘"));
  EXPECT_EQ(List.SelectedIndex(), -1);
}

TEST_F(TCartridgeEXTInput, IgnoredGesturesShowTheListAgain) {
  Vowel("い");  // at the root
  EXPECT_EQ(List.Items(), TStringList{"基本"});
  Key("か");
  TStringList before = List.Items();
  Key("き");
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  EXPECT_EQ(List.Items(), before);
}

TEST_F(TCartridgeEXTInput, LaterKeysNarrowAndShortWordsDropOut) {
  Keys({"た", "な"});
  EXPECT_GE(Position("棚"), 0);
  EXPECT_LT(Position("食べる"), 0);
  Key("あ");  // 棚 has only two keys
  EXPECT_LT(Position("棚"), 0);
}

TEST_F(TCartridgeEXTInput, DeadEndIgnoresKeysUntilBack) {
  Keys({"た", "な"});
  TStringList tana = List.Items();
  Key("わ");
  Key("わ");
  EXPECT_TRUE(List.Items().empty());
  EXPECT_EQ(Cartridge->StackDepth(), 3);
  BackKey();
  EXPECT_EQ(Cartridge->StackDepth(), 2);
  EXPECT_EQ(List.Items(), tana);
  Key("あ");
  EXPECT_EQ(Cartridge->StackDepth(), 3);
}

TEST_F(TCartridgeEXTInput, VowelNarrowsAndBackReturnsToTheListBeforeTheKey) {
  Key("た");
  TStringList first = List.Items();
  Key("は");
  Vowel("へ");
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾀﾍ");
  EXPECT_GE(Position("食べる"), 0);
  EXPECT_LT(Position("棚"), 0);
  BackKey();
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  EXPECT_EQ(List.Items(), first);
}

TEST_F(TCartridgeEXTInput, PhraseModeOnTaberuOffersItsForms) {
  Keys({"た", "は"});
  Vowel("へ");
  LongPress("食べる");
  EXPECT_EQ(Cartridge->GetKeyString(), "/");
  EXPECT_EQ(Status.Text(), "文節モード");
  // Shorter notations first: the stem, then its three-key forms.
  ASSERT_GE(Position("食べ"), 0);
  EXPECT_EQ(Position("食べ"), 0);
  EXPECT_GE(Position("食べる"), 0);
  EXPECT_GE(Position("食べた"), 0);
  EXPECT_LT(Position("食べた"), Position("食べる"));
  EXPECT_EQ(List.SelectedIndex(), -1);
  // A further key grows the phrases by connection.
  Key("ま");
  EXPECT_GE(Position("食べます"), 0);
  BackKey();
  BackKey();
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾀﾍ");
  EXPECT_EQ(Cartridge->StackDepth(), 2);
}

TEST_F(TCartridgeEXTInput, PhraseModeOnASuruVerbMatchesTheNextKeyAtPositionFour) {
  Keys({"あ", "あ"});
  LongPress("愛する");
  // Depth is the two-key stem plus one: ｱｲｼ|ﾏｽ is matched at its fourth letter.
  Key("ま");
  EXPECT_GE(Position("愛します"), 0);
  EXPECT_LT(Position("愛する"), 0);
}

TEST_F(TCartridgeEXTInput, SyllablesNarrowByKanaAndGrowByConnection) {
  Settings.Use50Key = true;
  Syllable("ﾊ");
  EXPECT_GE(Position("バナナ"), 0);  // the mark of ﾊﾞ is a grid cell of its own
  Syllable("ﾅ");
  EXPECT_GE(Position("花"), 0);
  EXPECT_GE(Position("鼻"), 0);
  EXPECT_LT(Position("バナナ"), 0);
  Syllable("ｶ");  // past the end of 花: grown by the particle が
  Syllable("ﾞ");
  EXPECT_GE(Position("花が"), 0);
}

TEST_F(TCartridgeEXTInput, CachedFirstKeyIsReusedUntilReload) {
  Key("か");
  ClearKey();
  AppendTo(Folder / "base.usr", "ｶﾜ,川,1\r\n");
  Key("か");
  EXPECT_LT(Position("川"), 0);
  ClearKey();
  Cartridge->ReloadDictionaries();
  Key("か");
  EXPECT_GE(Position("川"), 0);
}

TEST_F(TCartridgeEXTInput, ResetWhileKeysAreShownKeepsTheShownListAlive) {
  Keys({"た", "な"});
  TStringList tana = List.Items();
  Cartridge->ResetIdleWork();
  Cartridge->ReloadDictionaries();
  Key("あ");
  BackKey();
  EXPECT_EQ(List.Items(), tana);
  ClearKey();
  Keys({"た", "な"});
  EXPECT_EQ(List.Items(), tana);
}

TEST_F(TCartridgeEXTInput, IdlePrebuildWalksEveryRowAndKeepsItsPosition) {
  Post(opIdle);
  EXPECT_EQ(Cartridge->RowPosition(), 1);
  Keys({"た", "な"});
  EXPECT_GE(Position("棚"), 0);
  Settings.Use50Key = true;
  Cartridge->ResetIdleWork();
  ClearKey();
  Post(opIdle);
  EXPECT_EQ(Cartridge->SyllablePosition(), 1);
}

TEST_F(TCartridgeEXTInput, InactiveCartridgeNeverDrawsOnTheList) {
  Cartridge->SetActive(false);
  List.SetItems({"other"});
  Keys({"た", "な"});
  EXPECT_EQ(List.Items(), TStringList{"other"});
  Cartridge->SetActive(true);
  Cartridge->AttachListBox(List);
  EXPECT_GE(Position("棚"), 0);
}

TEST_F(TCartridgeEXTInput, VowelLabelsFollowTheLastKey) {
  Key("か");
  EXPECT_EQ(*Cartridge->GetVowelLabels(""), (TStringList{"か", "き", "く", "け", "こ"}));
  EXPECT_EQ(*Cartridge->GetVowelLabels("PQRS"), (TStringList{"P", "Q", "R", "S"}));
  EXPECT_EQ(*Cartridge->GetVowelLabels("@"), (TStringList{"改行", "BS", " ", " ", " "}));
}

TEST_F(TCartridgeEXTInput, KeyCommandOnAVowelButtonPressesTheKey) {
  Key("か");
  Output.Clear();
  Vowel("改行");
  EXPECT_EQ(Output.Calls(), TStringList{"press 13"});
  EXPECT_EQ(Cartridge->GetKeyString(), "ｶ");
}

}  // namespace
