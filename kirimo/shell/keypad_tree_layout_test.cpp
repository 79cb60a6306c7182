#include "kirimo/shell/keypad_tree_layout.h"

#include <gtest/gtest.h>

namespace {

TPoint Center(const TRect& rect) {
  return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

// A client area of 165 x 400 with keys 200 high: the vowel and command rows
// grow with them, from 20 and 25 to 26 and 33.
TKeypadShape Shape() {
  TKeypadShape shape;
  shape.ClientWidth = 165;
  shape.ClientHeight = 400;
  shape.KeyHeight = 200;
  return shape;
}

TEST(KeypadTreeLayout, PanelsDockAroundTheList) {
  TKeypadTree tree = LayoutKeypad(Shape());
  const TKeypadGeometry& g = tree.Controls;
  EXPECT_EQ(g.StatusBar, (TRect{0, 381, 165, 400}));
  EXPECT_EQ(g.Sponsor, TRect{});
  EXPECT_EQ(g.ListBox, (TRect{0, 4, 165, 137}));  // under the two spacers
  EXPECT_EQ(g.ListLeft, (TRect{0, 137, 40, 177}));
  EXPECT_EQ(g.ListUp, (TRect{40, 137, 125, 157}));
  EXPECT_EQ(g.ListDown, (TRect{40, 157, 125, 177}));
  EXPECT_EQ(g.ListRight, (TRect{125, 137, 165, 177}));
  EXPECT_EQ(tree.Controls.Splitter, (TRect{0, 177, 165, 181}));
  EXPECT_EQ(tree.VowelPanel, (TRect{0, 181, 165, 207}));
  EXPECT_EQ(tree.CommandPanel, (TRect{0, 348, 165, 381}));
  EXPECT_EQ(g.ParentPanel, (TRect{0, 209, 165, 346}));
  EXPECT_EQ(g.Vowels[1], (TRect{33, 181, 66, 207}));
  EXPECT_EQ(g.Hide, (TRect{110, 348, 165, 381}));
  // 137 / 4 = 34.25 rounds to 34.
  EXPECT_EQ(g.Keys[LayoutKey], (TRect{110, 311, 165, 345}));
}

TEST(KeypadTreeLayout, OptionalPartsMoveTheRest) {
  TKeypadShape shape = Shape();
  shape.SponsorVisible = true;
  shape.VowelRowVisible = false;
  shape.GridVisible = true;
  TKeypadTree tree = LayoutKeypad(shape);
  const TKeypadGeometry& g = tree.Controls;
  EXPECT_EQ(g.Sponsor, (TRect{0, 2, 165, 18}));
  EXPECT_EQ(g.ListBox.Top, 20);
  EXPECT_EQ(g.Vowels[0], TRect{});
  EXPECT_EQ(g.ParentPanel, (TRect{0, 183, 165, 346}));
  ASSERT_EQ(g.GridCells.size(), 50u);
  EXPECT_EQ(g.GridCells[LayoutCell], (TRect{144, 311, 160, 343}));
}

TEST(KeypadTreeLayout, TheKeyAreaAsShippedKeepsItsRowsAndATallerOneGrowsThem) {
  TKeypadShape shape = Shape();
  shape.KeyHeight = ShippedKeyHeight;
  TKeypadTree shipped = LayoutKeypad(shape);
  EXPECT_EQ(shipped.VowelPanel.Height(), 20);
  EXPECT_EQ(shipped.CommandPanel.Height(), 25);
  EXPECT_EQ(shipped.Controls.Keys[0].Height(), 25);
  // Twice as high: every row of the key area twice as high.
  shape.KeyHeight = 2 * ShippedKeyHeight;
  shape.ClientHeight = 640;
  TKeypadTree doubled = LayoutKeypad(shape);
  EXPECT_EQ(doubled.VowelPanel.Height(), 40);
  EXPECT_EQ(doubled.CommandPanel.Height(), 50);
  EXPECT_EQ(doubled.Controls.Keys[0].Height(), 52);  // 206 / 4 = 51.5, to the even 52
  // Lower than shipped: the rows keep their sizes, the keys give.
  shape.KeyHeight = 100;
  TKeypadTree low = LayoutKeypad(shape);
  EXPECT_EQ(low.VowelPanel.Height(), 20);
  EXPECT_EQ(low.CommandPanel.Height(), 25);
  // The fixed sizes at a higher DPI stay the least.
  TKeypadSizes at144;
  at144.VowelRowHeight = 30;
  at144.CommandRowHeight = 38;
  shape.KeyHeight = 225;
  TKeypadTree scaled = LayoutKeypad(shape, at144);
  EXPECT_EQ(scaled.VowelPanel.Height(), 30);
  EXPECT_EQ(scaled.CommandPanel.Height(), 38);  // 37.5 from the key area: the fixed size wins
}

TEST(KeypadTreeLayout, ATooSmallWindowGivesEmptyPartsNotNegativeOnes) {
  TKeypadShape shape = Shape();
  shape.ClientHeight = 50;
  TKeypadTree tree = LayoutKeypad(shape);
  const TKeypadGeometry& g = tree.Controls;
  EXPECT_EQ(g.StatusBar, (TRect{0, 31, 165, 50}));
  EXPECT_EQ(g.ParentPanel.Height(), 0);
  EXPECT_GE(g.ListBox.Height(), 0);
  EXPECT_EQ(g.ListBox.Height() + tree.Controls.Splitter.Height(), 0);
}

TEST(KeypadTreeLayout, ADraggedSplitterLeavesRoomForTheListAndTheKeys) {
  const TKeypadSizes sizes;
  const TKeypadTree tree = LayoutKeypad(Shape());
  EXPECT_EQ(DraggedKeyHeight(tree, sizes, 16, tree.Controls.Splitter.Bottom), 200);
  EXPECT_EQ(DraggedKeyHeight(tree, sizes, 16, 100), 281);
  // The list keeps its buttons and one item: 381 - 4 - 40 - 4 - 16.
  EXPECT_EQ(DraggedKeyHeight(tree, sizes, 16, 0), 317);
  // The keys keep the vowel and command rows, four spacers and one item.
  EXPECT_EQ(DraggedKeyHeight(tree, sizes, 16, 400), 69);
  TKeypadShape small = Shape();
  small.ClientHeight = 50;
  EXPECT_EQ(DraggedKeyHeight(LayoutKeypad(small), sizes, 16, 0), 69);
}

TEST(KeypadTreeLayout, TheHitTestFindsEveryButtonItLaidOut) {
  for (bool grid : {false, true}) {
    TKeypadShape shape = Shape();
    shape.GridVisible = grid;
    shape.SponsorVisible = true;
    TKeypadGeometry g = LayoutKeypad(shape).Controls;
    for (int i = 0; i < (grid ? GridCellCount : KeyCount); ++i) {
      TRect button = grid ? g.GridCells[i] : g.Keys[i];
      TKeypadPart part = grid ? TKeypadPart::GridCell : TKeypadPart::Key;
      EXPECT_EQ(HitTest(g, Center(button)), (TKeypadControl{part, i}));
    }
    for (int i = 0; i < VowelCount; ++i) {
      EXPECT_EQ(HitTest(g, Center(g.Vowels[i])), (TKeypadControl{TKeypadPart::Vowel, i}));
    }
    EXPECT_EQ(HitTest(g, Center(g.Dictionary)).Part, TKeypadPart::Dictionary);
    EXPECT_EQ(HitTest(g, Center(g.ListDown)).Part, TKeypadPart::ListDown);
    EXPECT_EQ(HitTest(g, Center(g.Sponsor)).Part, TKeypadPart::Sponsor);
  }
}

TEST(KeypadTreeLayout, WhileDwellIsOnTheRightEndOfARowIsItsStemMark) {
  TKeypadGeometry g = LayoutKeypad(Shape()).Controls;  // the list: 0, 4 to 165, 137
  g.ItemHeight = 16;
  g.ListTopIndex = 2;
  g.ListCount = 5;
  // Off: the whole row is the item.
  EXPECT_EQ(HitTest(g, {160, 5}), (TKeypadControl{TKeypadPart::ListBox, 2}));
  g.StemWidth = StemWidthFor(16);
  EXPECT_EQ(g.StemWidth, 32);
  EXPECT_EQ(HitTest(g, {132, 21}), (TKeypadControl{TKeypadPart::ListBox, 3}));
  EXPECT_EQ(HitTest(g, {133, 21}), (TKeypadControl{TKeypadPart::ItemStem, 3}));
  // Below the last item there is no stem mark.
  EXPECT_EQ(HitTest(g, {160, 60}), (TKeypadControl{TKeypadPart::ListBox, -1}));
  // And back: where the hit test finds each.
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ItemStem, 3}), (TRect{133, 20, 165, 36}));
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 4}), (TRect{0, 36, 165, 52}));
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 1}), TRect{});  // scrolled away above
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 5}), TRect{});  // no such item
  g.ListCount = 100;
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 9}), (TRect{0, 116, 165, 132}));
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 10}), (TRect{0, 132, 165, 137}));  // clipped
  EXPECT_EQ(ControlRect(g, {TKeypadPart::ListBox, 11}), TRect{});  // below the list
}

TEST(KeypadTreeLayout, ControlRectIsWhereTheHitTestFindsEachButton) {
  for (bool grid : {false, true}) {
    TKeypadShape shape = Shape();
    shape.GridVisible = grid;
    shape.SponsorVisible = true;
    const TKeypadGeometry g = LayoutKeypad(shape).Controls;
    const TKeypadControl hidden{grid ? TKeypadPart::Key : TKeypadPart::GridCell, 0};
    EXPECT_EQ(ControlRect(g, hidden), TRect{});
    for (TKeypadControl control :
         {TKeypadControl{grid ? TKeypadPart::GridCell : TKeypadPart::Key, 7},
          TKeypadControl{TKeypadPart::Vowel, 4}, TKeypadControl{TKeypadPart::Clear, 0},
          TKeypadControl{TKeypadPart::ListRight, 0}, TKeypadControl{TKeypadPart::StatusBar, 0},
          TKeypadControl{TKeypadPart::Sponsor, 0}}) {
      EXPECT_EQ(HitTest(g, Center(ControlRect(g, control))), control);
    }
    EXPECT_EQ(ControlRect(g, {TKeypadPart::TitleBar, 0}), TRect{});
  }
}

}  // namespace
