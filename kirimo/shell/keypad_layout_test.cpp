#include "kirimo/shell/keypad_layout.h"

#include <gtest/gtest.h>

#include "kirimo/shell/keypad_hit_testing.h"

namespace {

TEST(KeypadLayout, QuotientsRoundHalvesToEven) {
  EXPECT_EQ(DivideRoundingHalfToEven(10, 4), 2);  // 2.5
  EXPECT_EQ(DivideRoundingHalfToEven(14, 4), 4);  // 3.5
  EXPECT_EQ(DivideRoundingHalfToEven(11, 4), 3);  // 2.75
  EXPECT_EQ(DivideRoundingHalfToEven(9, 4), 2);   // 2.25
  EXPECT_EQ(DivideRoundingHalfToEven(1, 2), 0);
  EXPECT_EQ(DivideRoundingHalfToEven(3, 2), 2);
  EXPECT_EQ(DivideRoundingHalfToEven(-5, 2), -2);
  EXPECT_EQ(DivideRoundingHalfToEven(-7, 2), -4);
  EXPECT_EQ(DivideRoundingHalfToEven(7, 0), 0);
}

TEST(KeypadLayout, ButtonRowsShareTheRoundedWidth) {
  // 173 / 3 = 57.67 and 173 / 5 = 34.6: rounded, not truncated.
  auto commands = CommandButtonRects(173, 25);
  EXPECT_EQ(commands[0], (TRect{0, 0, 58, 25}));
  EXPECT_EQ(commands[2], (TRect{116, 0, 174, 25}));
  auto vowels = VowelButtonRects(173, 20);
  EXPECT_EQ(vowels[1], (TRect{35, 0, 70, 20}));
  EXPECT_EQ(vowels[4], (TRect{140, 0, 175, 20}));
}

TEST(KeypadLayout, KeysAreFourRowsOfThree) {
  // Heights 10 / 4 = 2.5 and 14 / 4 = 3.5 round to the even 2 and 4.
  auto low = KeyButtonRects(100, 10);
  EXPECT_EQ(low[0], (TRect{0, 0, 33, 2}));
  EXPECT_EQ(low[5], (TRect{66, 2, 99, 4}));
  EXPECT_EQ(low[LayoutKey], (TRect{66, 6, 99, 8}));
  auto high = KeyButtonRects(100, 14);
  EXPECT_EQ(high[StarKey], (TRect{0, 12, 33, 16}));
}

TEST(KeypadLayout, GridCellsAreTruncated) {
  auto cells = GridCellRects(173, 94, GridColumns, GridRows);
  ASSERT_EQ(cells.size(), 50u);
  EXPECT_EQ(cells[0], (TRect{0, 0, 17, 18}));
  EXPECT_EQ(cells[12], (TRect{34, 18, 51, 36}));
  EXPECT_EQ(cells[LayoutCell], (TRect{153, 72, 170, 90}));
  EXPECT_TRUE(GridCellRects(173, 94, 0, 5).empty());
  EXPECT_TRUE(GridCellRects(173, 94, 10, -1).empty());
}

// A keypad 200 wide: sponsor strip, list, list buttons, vowels, keys,
// commands, status bar, with the caption bar above.
class KeypadHitTest : public ::testing::Test {
 protected:
  KeypadHitTest() {
    g.TitleBar = {0, -20, 200, 0};
    g.Sponsor = {0, 0, 200, 16};
    g.ListBox = {0, 16, 200, 96};  // five items of 16
    g.ListLeft = {0, 96, 40, 136};
    g.ListUp = {40, 96, 160, 116};
    g.ListDown = {40, 116, 160, 136};
    g.ListRight = {160, 96, 200, 136};
    auto vowels = VowelButtonRects(200, 20);
    for (int i = 0; i < VowelCount; ++i) g.Vowels[i] = Shift(vowels[i], 140);
    g.ParentPanel = {0, 160, 200, 240};
    auto keys = KeyButtonRects(198, 80);  // leaves a gap at the right edge
    for (int i = 0; i < KeyCount; ++i) g.Keys[i] = Shift(keys[i], 160);
    for (const TRect& cell : GridCellRects(200, 80, GridColumns, GridRows)) {
      g.GridCells.push_back(Shift(cell, 160));
    }
    g.Clear = {0, 240, 67, 265};
    g.Dictionary = {67, 240, 134, 265};
    g.Hide = {134, 240, 200, 265};
    g.StatusBar = {0, 265, 200, 285};
    g.ListCount = 12;
    g.ListTopIndex = 3;
  }
  static TRect Shift(TRect rect, int top) {
    return {rect.Left, rect.Top + top, rect.Right, rect.Bottom + top};
  }
  TKeypadControl At(int x, int y) { return HitTest(g, {x, y}); }

  TKeypadGeometry g;
};

TEST_F(KeypadHitTest, KeysOrGridInTheirPanel) {
  EXPECT_EQ(At(70, 185), (TKeypadControl{TKeypadPart::Key, 4}));
  EXPECT_EQ(At(199, 185), (TKeypadControl{TKeypadPart::KeyPanel, 0}));
  g.GridVisible = true;
  EXPECT_EQ(At(45, 180), (TKeypadControl{TKeypadPart::GridCell, 12}));
  g.GridCells.clear();
  EXPECT_EQ(At(25, 180), (TKeypadControl{TKeypadPart::GridPanel, 0}));
}

TEST_F(KeypadHitTest, TheKeyPanelComesFirst) {
  // A stale rectangle of another control under the keys loses.
  g.Hide = {0, 150, 200, 265};
  EXPECT_EQ(At(10, 165).Part, TKeypadPart::Key);
  EXPECT_EQ(At(10, 155).Part, TKeypadPart::Hide);
}

TEST_F(KeypadHitTest, ListItemsCountFromTheTopIndex) {
  EXPECT_EQ(At(50, 20), (TKeypadControl{TKeypadPart::ListBox, 3}));
  EXPECT_EQ(At(50, 95), (TKeypadControl{TKeypadPart::ListBox, 7}));
  g.ListCount = 5;  // rows below the last item hold none
  EXPECT_EQ(At(50, 60), (TKeypadControl{TKeypadPart::ListBox, -1}));
}

TEST_F(KeypadHitTest, EachControlAndThenTheCaptionBar) {
  EXPECT_EQ(At(10, 100).Part, TKeypadPart::ListLeft);
  EXPECT_EQ(At(100, 100).Part, TKeypadPart::ListUp);
  EXPECT_EQ(At(100, 130).Part, TKeypadPart::ListDown);
  EXPECT_EQ(At(190, 100).Part, TKeypadPart::ListRight);
  EXPECT_EQ(At(150, 150), (TKeypadControl{TKeypadPart::Vowel, 3}));
  EXPECT_EQ(At(100, 250).Part, TKeypadPart::Dictionary);
  EXPECT_EQ(At(100, 270).Part, TKeypadPart::StatusBar);
  EXPECT_EQ(At(100, 5).Part, TKeypadPart::Sponsor);
  EXPECT_EQ(At(100, -5).Part, TKeypadPart::TitleBar);
  EXPECT_EQ(At(100, 300).Part, TKeypadPart::None);
  // Hidden controls have no rectangle.
  g.Sponsor = {};
  g.Vowels = {};
  EXPECT_EQ(At(100, 5).Part, TKeypadPart::None);
  EXPECT_EQ(At(150, 150).Part, TKeypadPart::None);
}

TEST_F(KeypadHitTest, TheSplitterAndTheSizingBorderAroundTheCaptionBar) {
  g.Splitter = {0, 136, 200, 140};
  g.Frame = {-4, -24, 204, 289};
  g.FrameBorder = 4;
  g.FrameCorner = 16;
  g.TitleBar = {-4, -24, 204, 0};
  auto edge = [&](int x, int y) {
    TKeypadControl control = At(x, y);
    return control.Part == TKeypadPart::FrameEdge ? control.Index : 0;
  };
  EXPECT_EQ(At(100, 137).Part, TKeypadPart::Splitter);
  EXPECT_EQ(edge(-4, 150), FrameLeft);
  EXPECT_EQ(edge(203, 150), FrameRight);
  EXPECT_EQ(edge(100, 288), FrameBottom);
  // Above the caption bar's text, the top border sizes; below it the bar moves.
  EXPECT_EQ(edge(100, -24), FrameTop);
  EXPECT_EQ(At(100, -20).Part, TKeypadPart::TitleBar);
  // A corner reaches along both sides it joins.
  EXPECT_EQ(edge(-3, -24), FrameTopLeft);
  EXPECT_EQ(edge(8, -23), FrameTopLeft);
  EXPECT_EQ(edge(-2, -12), FrameTopLeft);
  EXPECT_EQ(edge(195, 287), FrameBottomRight);
  EXPECT_EQ(edge(203, 275), FrameBottomRight);
  EXPECT_EQ(edge(-4, 280), FrameBottomLeft);
  EXPECT_EQ(edge(200, -22), FrameTopRight);
  // Outside the window, and on a window without a sizing border: none.
  EXPECT_EQ(At(-5, 150).Part, TKeypadPart::None);
  g.FrameBorder = 0;
  EXPECT_EQ(At(-4, 150).Part, TKeypadPart::None);
}

}  // namespace
