#include "kirimo/shell/keypad_scaling.h"

#include <gtest/gtest.h>

namespace {

TEST(KeypadScaling, FixedSizesGrowWithTheDpi) {
  const TKeypadSizes at96 = KeypadSizesForDpi(96);
  EXPECT_EQ(at96.VowelRowHeight, 20);
  EXPECT_EQ(at96.CommandRowHeight, 25);
  const TKeypadSizes at144 = KeypadSizesForDpi(144);
  EXPECT_EQ(at144.VowelRowHeight, 30);
  EXPECT_EQ(at144.ListButtonsHeight, 60);
  EXPECT_EQ(at144.SideButtonWidth, 60);
  EXPECT_EQ(at144.CommandRowHeight, 38);  // 37.5 rounds up
  EXPECT_EQ(at144.StatusBarHeight, 29);
  EXPECT_EQ(at144.SpacerHeight, 3);
  EXPECT_EQ(KeypadSizesForDpi(0).VowelRowHeight, 20);  // unknown DPI: as at 96
}

TEST(KeypadScaling, LayoutAtADpiUsesTheScaledRows) {
  TKeypadShape shape;
  shape.ClientWidth = 300;
  shape.ClientHeight = 660;
  shape.KeyHeight = 225;
  const TKeypadTree tree = LayoutKeypad(shape, KeypadSizesForDpi(144));
  EXPECT_EQ(tree.VowelPanel.Height(), 30);
  EXPECT_EQ(tree.CommandPanel.Height(), 38);
  EXPECT_EQ(tree.Controls.ListLeft.Width(), 60);
  EXPECT_EQ(tree.Controls.StatusBar.Height(), 29);
}

TEST(KeypadScaling, KeyPanelFollowsAMoveBetweenMonitors) {
  EXPECT_EQ(RescaleForDpi(150, 96, 144), 225);
  EXPECT_EQ(RescaleForDpi(225, 144, 96), 150);  // and back without drift
  EXPECT_EQ(RescaleForDpi(151, 96, 120), 189);  // 188.75
  EXPECT_EQ(RescaleForDpi(150, 96, 96), 150);
  EXPECT_EQ(RescaleForDpi(150, 0, 144), 150);  // a broken notification changes nothing
  EXPECT_EQ(RescaleForDpi(150, 96, 0), 150);
}

TEST(KeypadScaling, TheShippedButtonHeightsAreThoseOfTheShippedLayout) {
  TKeypadShape shape;
  shape.ClientWidth = 192;
  shape.ClientHeight = 600;
  shape.KeyHeight = ShippedKeyHeight;
  const TKeypadTree keys = LayoutKeypad(shape);
  EXPECT_EQ(keys.Controls.Keys[0].Height(), ShippedButtonHeight96(TCaptionKind::Key));
  EXPECT_EQ(keys.Controls.Vowels[0].Height(), ShippedButtonHeight96(TCaptionKind::Vowel));
  EXPECT_EQ(keys.Controls.Clear.Height(), ShippedButtonHeight96(TCaptionKind::Command));
  shape.GridVisible = true;
  EXPECT_EQ(LayoutKeypad(shape).Controls.GridCells[0].Height(),
            ShippedButtonHeight96(TCaptionKind::GridCell));
}

TEST(KeypadScaling, CaptionsGrowWithTheirButtons) {
  // As shipped, and lower: the shipped size (a fit makes it smaller where it must).
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Key, 25, 96), 16);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Key, 12, 96), 16);
  // A keypad twice the shipped size: keys of 52, vowel and command rows of 40 and 50.
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Key, 52, 96), 33);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Vowel, 40, 96), 32);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Command, 50, 96), 32);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::GridCell, 41, 96), 32);
  // At 144 DPI everything starts half as large again.
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Vowel, 30, 144), 24);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Vowel, 60, 144), 48);
  // Within limits; the list buttons keep one size.
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Key, 1000, 96), 64);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Fixed, 200, 96), 16);
  EXPECT_EQ(CaptionHeightFor(TCaptionKind::Fixed, 200, 144), 24);
}

TEST(KeypadScaling, CaptionThatFitsKeepsItsFont) {
  EXPECT_EQ(FitCaptionFont(16, 8, 30, {34, 16, 10}), (TCaptionFont{16, 0}));
  EXPECT_EQ(FitCaptionFont(16, 8, 34, {34, 20, 10}), (TCaptionFont{16, 0}));
  EXPECT_EQ(FitCaptionFont(16, 8, 72, {0, 0, 10}),
            (TCaptionFont{16, 0}));  // no room known: left to clipping
}

TEST(KeypadScaling, WideCaptionShrinksInProportion) {
  // "Delete" in a 16-pixel font is 48 wide; 40 of room: 16 * 40 / 48 = 13.3, rounded down.
  EXPECT_EQ(FitCaptionFont(16, 8, 48, {40, 16, 10}), (TCaptionFont{13, 0}));
  EXPECT_EQ(FitCaptionFont(24, 12, 108, {81, 30, 15}), (TCaptionFont{18, 0}));
}

TEST(KeypadScaling, LowButtonsGetALowerFont) {
  // Keys squeezed to 15 pixels inside at 144 DPI: the 24-pixel font becomes 15 high.
  EXPECT_EQ(FitCaptionFont(24, 12, 24, {60, 15, 15}), (TCaptionFont{15, 0}));
  // Lower than the smallest readable height: the room wins.
  EXPECT_EQ(FitCaptionFont(24, 12, 24, {60, 9, 15}), (TCaptionFont{9, 0}));
  // Too wide and too tall: the stricter of the two.
  EXPECT_EQ(FitCaptionFont(16, 8, 48, {40, 12, 10}), (TCaptionFont{12, 0}));
}

TEST(KeypadScaling, VeryWideCaptionIsCondensedAtTheSmallestHeight) {
  // "BackSpace" in a 16-pixel font is 72 wide; 34 of room would need 7.5 pixels.
  const TCaptionFont font = FitCaptionFont(16, 8, 72, {34, 16, 10});
  EXPECT_EQ(font.Height, 10);
  EXPECT_EQ(font.Width, 3);  // 9 characters of 3 pixels: 27, inside 34
  // A font already smaller than the smallest keeps its height.
  EXPECT_EQ(FitCaptionFont(8, 4, 72, {20, 16, 10}), (TCaptionFont{8, 1}));
}

}  // namespace
