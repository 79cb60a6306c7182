// Choosing candidates: output, history and its file, variants, Back and Clear.
#include <filesystem>

#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

using TCartridgeEXTCommit = TCartridgeEXTFixture;

TEST_F(TCartridgeEXTCommit, MissingHistoryShowsTheDictionaryName) {
  EXPECT_EQ(List.Items(), TStringList{"基本"});
  EXPECT_EQ(Name.Caption(), "基本");
}

TEST_F(TCartridgeEXTCommit, CommitTypesTheTextLearnsItAndClears) {
  Keys({"た", "な"});
  Output.Clear();
  Choose("棚");
  EXPECT_EQ(Output.Calls(), TStringList{"text 棚"});
  EXPECT_EQ(Cartridge->GetKeyString(), "");
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(List.Items(), (TStringList{"棚", "基本"}));
  // Learning touches only the history: the order of candidates stays.
  Keys({"た", "な"});
  TStringList again = List.Items();
  Choose("棚");
  Keys({"た", "な"});
  EXPECT_EQ(List.Items(), again);
}

TEST_F(TCartridgeEXTCommit, HistoryKeepsTheNewestCountEntriesAndSkipsRepeats) {
  for (const char* text : {"一", "二", "三", "四"}) Cartridge->RecordHistory(text);
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"四", "三", "二"}));
  Cartridge->RecordHistory("二");
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"二", "四", "三"}));
  Cartridge->SaveWhenIdle();
  EXPECT_EQ(ReadFile(HistoryPath()), "二\r\n四\r\n三\r\n");
  // The same first entry again: nothing is marked, so nothing is written.
  std::filesystem::remove(HistoryPath());
  Cartridge->RecordHistory("二");
  Cartridge->SaveWhenIdle();
  EXPECT_FALSE(std::filesystem::exists(HistoryPath()));
}

TEST_F(TCartridgeEXTCommit, HistoryIsReadBackUpToItsCount) {
  Reopen("a\r\nb\r\nc\r\nd\r\n", 2);
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"a", "b"}));
  EXPECT_EQ(List.Items(), (TStringList{"a", "b"}));
}

TEST_F(TCartridgeEXTCommit, HistoryLinesEndAtCrLfLfOrCrAndAnUnchangedFileStaysAsItWas) {
  Reopen("a\rb\nc\r\nd\r", 5);
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"a", "b", "c", "d"}));
  Cartridge.reset();
  EXPECT_EQ(ReadFile(HistoryPath()), "a\rb\nc\r\nd\r");
}

TEST_F(TCartridgeEXTCommit, EntriesTooLongToKeepAreTypedButNeitherReadNorLearnt) {
  const std::string longest(TCommitHistory::LongestEntry, 'y');
  const std::string huge = longest + "z";
  Reopen("a\r\n" + huge + "\r\nb\r\n" + longest + "\r\n" + huge + "\r\nc\r\n");
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"a", "b", longest}));
  Cartridge->Commit(huge);
  EXPECT_EQ(Output.Calls(), TStringList{"text " + huge});
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"a", "b", longest}));
}

TEST_F(TCartridgeEXTCommit, LoadingRemovesWhatASaveKilledBeforeItsRenameLeft) {
  const std::filesystem::path temporary = HistoryPath() + ".tmp";
  AppendTo(temporary, "half a hist");
  Reopen("a\r\nb\r\n");
  EXPECT_FALSE(std::filesystem::exists(temporary));
  EXPECT_EQ(Cartridge->HistorySnapshot(), (TStringList{"a", "b"}));
}

TEST_F(TCartridgeEXTCommit, FailedSaveKeepsTheHistoryAndTriesAgain) {
  std::filesystem::path folder = Folder / "gone";
  std::filesystem::path path = folder / "history.txt";
  Cartridge->LoadHistory(path.string(), 3);
  Cartridge->RecordHistory("new");
  Cartridge->SaveWhenIdle();  // the folder is missing: the write fails
  EXPECT_FALSE(std::filesystem::exists(path));
  std::filesystem::create_directory(folder);
  Cartridge->SaveWhenIdle();
  EXPECT_EQ(ReadFile(path), "new\r\n基本\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(TCartridgeEXTCommit, DestructionSavesTheHistory) {
  Cartridge->RecordHistory("x");
  Cartridge.reset();
  EXPECT_EQ(ReadFile(HistoryPath()), "x\r\n基本\r\n");
}

TEST_F(TCartridgeEXTCommit, BracketPairIsFollowedByOneLeftArrow) {
  Cartridge->Commit("「」");
  EXPECT_EQ(Output.Calls(), (TStringList{"text 「」", "keydown 37"}));
}

TEST_F(TCartridgeEXTCommit, GridVariantsOfLatinTextListCasesAndWidthsOnce) {
  Settings.Use50Key = true;
  Syllable("A");
  Syllable("B");
  Select("abc");
  Cartridge->Forward();
  Cartridge->WaitUntilIdle();  // the worker gathers them
  EXPECT_EQ(List.Items(), (TStringList{"Abc", "Ａｂｃ", "abc", "ａｂｃ", "ABC", "ＡＢＣ"}));
  Choose("Ａｂｃ");
  EXPECT_EQ(Output.Calls(), TStringList{"text Ａｂｃ"});
}

TEST_F(TCartridgeEXTCommit, BackFromVariantsOfPhraseModeLeavesPhraseModeToo) {
  Keys({"や", "ら"});
  TStringList before = List.Items();
  LongPress("よろしく");
  // A word of type 0 has nothing to grow: its variants open at once.
  EXPECT_GE(Position("ヨロシク"), 0);
  EXPECT_GE(Position("ﾖﾛｼｸ"), 0);
  BackKey();
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾔﾗ");
  EXPECT_EQ(Cartridge->StackDepth(), 2);
  EXPECT_EQ(List.Items(), before);
  Key("さ");
  EXPECT_GE(Position("よろしく"), 0);
}

TEST_F(TCartridgeEXTCommit, RowModeForwardJumpsToTheNextInitial) {
  Key("た");
  Cartridge->Forward();
  int selected = List.SelectedIndex();
  ASSERT_GT(selected, 0);
  EXPECT_EQ(List.TopIndex(), selected);
}

TEST_F(TCartridgeEXTCommit, BackAtTheRootTogglesTheSymbolList) {
  BackKey();
  EXPECT_EQ(List.Items(), (TStringList{"改行", "★", "「」"}));
  EXPECT_TRUE(Cartridge->HandlesForward());
  Choose("改行");
  EXPECT_EQ(Output.Calls(), TStringList{"press 13"});
  Choose("「」");
  EXPECT_EQ(Output.Calls(), (TStringList{"press 13", "text 「」", "keydown 37"}));
  EXPECT_EQ(List.Items(), (TStringList{"「」", "基本"}));
  BackKey();
  BackKey();
  EXPECT_EQ(List.Items(), (TStringList{"「」", "基本"}));
  EXPECT_FALSE(Cartridge->HandlesForward());
}

TEST_F(TCartridgeEXTCommit, RootForwardOffersBothWidths) {
  Cartridge->RecordHistory("ABC");
  Cartridge->Clear();
  Select("ABC");
  Cartridge->Forward();
  Cartridge->WaitUntilIdle();  // the worker converts them
  EXPECT_EQ(List.Items(), (TStringList{"ＡＢＣ", "ABC"}));
  BackKey();
  EXPECT_EQ(List.Items(), (TStringList{"ABC", "基本"}));
}

TEST_F(TCartridgeEXTCommit, ClearReturnsToTheHistoryFromAnyState) {
  Keys({"た", "は"});
  LongPress(List.ItemText(0));
  ClearKey();
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(List.Items(), TStringList{"基本"});
  Key("た");
  EXPECT_EQ(Cartridge->StackDepth(), 1);
}

}  // namespace
