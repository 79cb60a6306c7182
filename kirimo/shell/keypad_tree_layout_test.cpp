#include "kirimo/shell/keypad_tree_layout.h"

#include <gtest/gtest.h>

namespace {

TPoint Center(const TRect& rect) {
  return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

// A client area of 165 x 400 with keys 200 high.
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
  EXPECT_EQ(tree.VowelPanel, (TRect{0, 181, 165, 201}));
  EXPECT_EQ(tree.CommandPanel, (TRect{0, 356, 165, 381}));
  EXPECT_EQ(g.ParentPanel, (TRect{0, 203, 165, 354}));
  EXPECT_EQ(g.Vowels[1], (TRect{33, 181, 66, 201}));
  EXPECT_EQ(g.Hide, (TRect{110, 356, 165, 381}));
  // 151 / 4 = 37.75 rounds to 38, so the last row reaches one pixel past the panel.
  EXPECT_EQ(g.Keys[LayoutKey], (TRect{110, 317, 165, 355}));
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
  EXPECT_EQ(g.ParentPanel, (TRect{0, 183, 165, 354}));
  ASSERT_EQ(g.GridCells.size(), 50u);
  EXPECT_EQ(g.GridCells[LayoutCell], (TRect{144, 319, 160, 353}));
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

}  // namespace
