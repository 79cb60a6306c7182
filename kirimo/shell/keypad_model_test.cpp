#include "kirimo/shell/keypad_model.h"

#include <gtest/gtest.h>

#include "kirimo/shell/keypad_test_doubles.h"

namespace {

constexpr TKeypadControl KeyAt(int index) { return {TKeypadPart::Key, index}; }
constexpr TKeypadControl CellAt(int index) { return {TKeypadPart::GridCell, index}; }
constexpr TKeypadControl Button(TKeypadPart part) { return {part, 0}; }

TStringList Keys(const TKeypadModel& model) {
  return {model.Captions().Keys().begin(), model.Captions().Keys().end()};
}
TStringList Vowels(const TKeypadModel& model) {
  return {model.Captions().Vowels().begin(), model.Captions().Vowels().end()};
}
std::string Cell(const TKeypadModel& model, int index) { return model.Captions().Grid()[index]; }

TEST(KeypadModelCreation, TakesTheCartridgesCaptionsAndStartsOver) {
  TRecordingKeypadCommands commands;
  commands.KeyLabels = {"あ", "か"};
  commands.VowelLabels = TStringList{"Enter", "BS"};
  TCandidateListModel list;
  list.SetItems({"a", "b"});
  list.SetItemIndex(1);
  TRecordingKeypadWindow window;
  TKeypadModel model(commands, list, window, false);
  EXPECT_EQ(list.ItemIndex(), -1);
  // Keys beyond the labels go blank.
  EXPECT_EQ(Keys(model), (TStringList{"あ", "か", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Vowels(model), (TStringList{"Enter", "BS", "", "", ""}));
  EXPECT_EQ(commands.TakeCalls(), (TStringList{"clear", "reset-history", "reset-idle"}));
  EXPECT_FALSE(model.GridMode());
  EXPECT_TRUE(model.FormEnabled());
}

TEST(KeypadModelCreation, BeforeAnyCartridgeTheWindowsOwnCaptionsShow) {
  TKeypadCaptions captions;
  EXPECT_EQ(captions.Keys()[1], "ABC/か");
  EXPECT_EQ(captions.Keys()[LayoutKey], "#");
  EXPECT_EQ(captions.Grid()[LayoutCell], "A");
  EXPECT_EQ(ShownCaption("&&"), "&");
  EXPECT_EQ(ShownCaption("&File"), "File");
  EXPECT_EQ(ShownCaption("A&"), "A");
}

class KeypadModel : public ::testing::Test {
 protected:
  TKeypadModel& Model() { return Rig.Model; }
  TStringList Calls() { return Rig.Commands.TakeCalls(); }
  TStringList& VowelQueries() { return Rig.Commands.VowelQueries; }

  TKeypadRig Rig;
};

TEST_F(KeypadModel, RowKeysInputTheirCaptionAndShowItsVowels) {
  Rig.Commands.VowelLabels = TStringList{"か", "き", "く", "け", "こ"};
  Model().Click(KeyAt(1));
  EXPECT_EQ(Calls(), TStringList{"key k"});
  EXPECT_EQ(VowelQueries(), TStringList{"k"});
  EXPECT_EQ(Vowels(Model()), (TStringList{"か", "き", "く", "け", "こ"}));
  // No labels for the caption: the row goes blank.
  Rig.Commands.VowelLabels.reset();
  Model().Click(KeyAt(2));
  EXPECT_EQ(Vowels(Model()), TStringList(5, ""));
}

TEST_F(KeypadModel, TheStarKeyAlsoRefreshesTheKeysAndTheLayoutKeyNeedsACaption) {
  Rig.Commands.KeyLabels = TStringList(12, "x");
  Model().Click(KeyAt(StarKey));
  EXPECT_EQ(Calls(), TStringList{"key k"});
  EXPECT_EQ(VowelQueries(), TStringList{""});
  EXPECT_EQ(Keys(Model()), TStringList(12, "x"));
  Rig.Commands.KeyLabels[LayoutKey] = "  ";
  Model().Click(KeyAt(LayoutKey));
  EXPECT_EQ(Calls(), TStringList{"layout"});
  Model().Click(KeyAt(LayoutKey));  // now blank
  EXPECT_TRUE(Calls().empty());
}

TEST_F(KeypadModel, CommandsAndListButtons) {
  Model().Click(Button(TKeypadPart::Clear));
  Model().Click(Button(TKeypadPart::ListLeft));
  Model().Click(Button(TKeypadPart::ListRight));
  EXPECT_EQ(Calls(), (TStringList{"clear", "back", "forward"}));
  EXPECT_EQ(VowelQueries(), (TStringList{"", ""}));
  Rig.Commands.KeyLabels = TStringList(12, "y");
  Rig.Commands.GridLetters = "ABC";
  Model().Click(Button(TKeypadPart::Dictionary));
  EXPECT_EQ(Calls(), TStringList{"switch"});
  EXPECT_EQ(Keys(Model()), TStringList(12, "y"));
  EXPECT_EQ(Cell(Model(), 2), "C");
  Model().Click(Button(TKeypadPart::Hide));
  EXPECT_EQ(Rig.Window.Hidden, 1);
}

TEST_F(KeypadModel, ScrollingStaysWithinTheList) {
  Rig.List.SetItems({"a", "b", "c"});
  Model().Click(Button(TKeypadPart::ListUp));
  EXPECT_EQ(Rig.List.TopIndex(), 0);
  for (int i = 0; i < 4; ++i) Model().Click(Button(TKeypadPart::ListDown));
  EXPECT_EQ(Rig.List.TopIndex(), 2);  // the last item stays in view
  // With two rows in view, "▼" stops once the last item is on the bottom row.
  Rig.List.SetPageRows(2);
  EXPECT_EQ(Rig.List.TopIndex(), 1);
  Model().Click(Button(TKeypadPart::ListDown));
  EXPECT_EQ(Rig.List.TopIndex(), 1);
}

TEST_F(KeypadModel, SwitchingToTheGridClearsKeysAndReplayHistory) {
  Rig.Commands.GridLetters = "ｱｶｻ";
  Model().SetGridMode(true);
  EXPECT_TRUE(Model().GridMode());
  EXPECT_GT(Rig.Window.Repaints, 0);
  EXPECT_EQ(Calls(), (TStringList{"clear", "reset-history", "reset-idle"}));
  EXPECT_TRUE(VowelQueries().empty());  // the grid leaves the vowels alone
  EXPECT_EQ(Cell(Model(), 1), "ｶ");
  // In the grid the back step and the dictionary switch keep the vowels.
  Model().Click(Button(TKeypadPart::ListLeft));
  Model().Click(Button(TKeypadPart::Dictionary));
  EXPECT_TRUE(VowelQueries().empty());
}

TEST_F(KeypadModel, AShorterGridStringLeavesTheLastCellsAsTheyWere) {
  Rig.Commands.GridLetters = std::string(GridCellCount, 'Q');
  Model().SetGridMode(true);
  Rig.Forget();
  Rig.Commands.GridLetters = "a&b";
  Model().Click(CellAt(LayoutCell));
  EXPECT_EQ(Calls(), TStringList{"layout"});
  EXPECT_EQ(Cell(Model(), 0), "a");
  EXPECT_EQ(Cell(Model(), 1), "&&");  // not an accelerator marker
  EXPECT_EQ(Cell(Model(), 3), "Q");
  EXPECT_EQ(Cell(Model(), LayoutCell), "Q");
  // A cell passes its caption on as it is.
  Model().Click(CellAt(1));
  EXPECT_EQ(Calls(), TStringList{"syllable &&"});
  // Double-byte letters stay whole; extra letters are dropped.
  Rig.Commands.GridLetters = "かな" + std::string(60, 'z');
  Model().Click(CellAt(LayoutCell));
  EXPECT_EQ(Cell(Model(), 0), "か");
  EXPECT_EQ(Cell(Model(), LayoutCell), "z");
}

TEST_F(KeypadModel, TheLastCellWithABlankCaptionDoesNothing) {
  Rig.Commands.GridLetters = std::string(GridCellCount - 1, 'Q') + " ";
  Model().SetGridMode(true);
  Calls();
  Model().Click(CellAt(LayoutCell));
  EXPECT_TRUE(Calls().empty());
}

TEST_F(KeypadModel, ALongPressRefreshesTheVowelsOnlyWithKeys) {
  Model().LongPressItem();
  EXPECT_EQ(VowelQueries(), TStringList{""});
  Model().SetGridMode(true);
  Rig.Forget();
  Model().LongPressItem();
  EXPECT_EQ(Calls(), TStringList{"accept"});
  EXPECT_TRUE(VowelQueries().empty());
}

TEST_F(KeypadModel, ReloadsShowTheirStatusAndAlwaysGiveTheCursorBack) {
  Rig.Commands.KeyLabels = TStringList(12, "new");
  Model().RebuildCartridges();
  EXPECT_EQ(Calls(), TStringList{"rebuild"});
  EXPECT_EQ(Rig.Window.Statuses, (TStringList{"拡張辞書リロード。。。", ""}));
  EXPECT_EQ(Keys(Model()), TStringList(12, "new"));  // the new set's first cartridge
  Rig.Commands.Failing = "reload";
  EXPECT_THROW(Model().ReloadUserDictionaries(), std::runtime_error);
  EXPECT_EQ(Rig.Window.Busy, 0);
  EXPECT_EQ(Rig.Window.Statuses.back(), "ユーザー辞書リロード。。。");
}

}  // namespace
