#include "gleaner/gleaner_form_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gleaner/gleaner_messages.h"
#include "gleaner/notation_shade.h"

namespace {

// The client area of a 400 x 528 window with a caption and a sizing frame.
constexpr int ClientWidth = 384, ClientHeight = 490;

TGleanerFormLayout Layout(int width, int height, int dpi, TGleanerSplitters& splitters) {
  return LayOutGleanerForm(width, height, dpi, splitters);
}

TEST(GleanerFormLayout, StacksThePanelsTopToBottomAt96Dpi) {
  TGleanerSplitters splitters = DefaultSplitters(96);
  auto l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(splitters.SourceHeight, 184);
  EXPECT_EQ(splitters.NotationWidth, 193);
  // Dictionary panel 41 high; the source panel 184 below it, then the splitter.
  EXPECT_EQ(l.SourceTitle.Top, 41);
  EXPECT_EQ(l.ExtProgressBar, (TBox{0, 219, ClientWidth, 225}));
  EXPECT_EQ(l.Splitter1, (TBox{0, 225, ClientWidth, 229}));
  // Status bar 20, save progress 6, command panel 36 at the bottom.
  EXPECT_EQ(l.StatusBar, (TBox{0, 470, ClientWidth, 490}));
  EXPECT_EQ(l.SaveProgressBar, (TBox{0, 464, ClientWidth, 470}));
  EXPECT_EQ(l.ButtonSaveToDic.Top, 432);
  EXPECT_EQ(l.ButtonSaveToDic.Bottom, 460);
  // The word panel fills what is left; the notation panel is 193 wide.
  EXPECT_EQ(l.ListBoxNotation.Top, 229 + 18);
  EXPECT_EQ(l.ListBoxNotation.Right, 193);
  EXPECT_EQ(l.Splitter2, (TBox{193, 229, 197, 428}));
  EXPECT_EQ(l.ListBoxSyllable.Left, 197);
  EXPECT_EQ(l.ListBoxSyllable.Bottom, l.ListBoxNotation.Bottom);
  EXPECT_EQ(l.ButtonNotaDelete.Bottom, l.Splitter2.Bottom - 4);
  // The memo fills the source panel between its title and its buttons.
  EXPECT_EQ(l.MemoSource.Top, l.SourceTitle.Bottom);
  EXPECT_LT(l.MemoSource.Bottom, l.ButtonExtractWord.Top);
}

TEST(GleanerFormLayout, ButtonRowsShareTheirPanelWithoutOverlap) {
  TGleanerSplitters splitters = DefaultSplitters(96);
  auto l = Layout(ClientWidth, ClientHeight, 96, splitters);
  const TBox rows[2][3] = {{l.ButtonNotaAdd, l.ButtonNotaEdit, l.ButtonNotaDelete},
                           {l.ButtonSyllAdd, l.ButtonSyllEdit, l.ButtonSyllDelete}};
  for (const auto& row : rows) {
    EXPECT_LT(row[0].Right, row[1].Left);
    EXPECT_LT(row[1].Right, row[2].Left);
    EXPECT_LE(std::abs(row[0].Width() - row[2].Width()), 1);
  }
  EXPECT_EQ(l.ButtonNotaDelete.Right, l.ListBoxNotation.Right);
  EXPECT_EQ(l.ButtonSyllDelete.Right, l.ListBoxSyllable.Right);
}

TEST(GleanerFormLayout, ScalesFixedSizesWithTheDpi) {
  TGleanerSplitters splitters = DefaultSplitters(144);
  EXPECT_EQ(splitters.SourceHeight, 276);
  EXPECT_EQ(splitters.NotationWidth, 290);
  auto l = Layout(576, 735, 144, splitters);
  EXPECT_EQ(l.SourceTitle.Top, 62);  // 41 * 1.5, rounded
  EXPECT_EQ(l.StatusBar.Height(), 30);
  EXPECT_EQ(l.SaveProgressBar.Height(), 9);
  EXPECT_EQ(l.Splitter1.Height(), 6);
  EXPECT_EQ(l.ListBoxNotation.Right, 290);
}

TEST(GleanerFormLayout, SplittersDragWithinWhatTheWindowLeaves) {
  TGleanerSplitters splitters = DefaultSplitters(96);
  auto l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(SplitterAt(l, 10, 226), TGleanerSplitter::Source);
  EXPECT_EQ(SplitterAt(l, 194, 300), TGleanerSplitter::Notation);
  EXPECT_EQ(SplitterAt(l, 100, 300), TGleanerSplitter::None);

  splitters = DragSplitter(TGleanerSplitter::Source, splitters, 10, 226, 500, 276);
  EXPECT_EQ(splitters.SourceHeight, 234);
  l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(l.Splitter1.Top, 41 + 234);

  // Far past either end: the memo and the lists keep 30 pixels.
  splitters = DragSplitter(TGleanerSplitter::Source, splitters, 0, 0, 0, 1000);
  l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(l.ListBoxNotation.Height(), 30);
  splitters = DragSplitter(TGleanerSplitter::Source, splitters, 0, 1000, 0, -1000);
  l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(l.MemoSource.Height(), 30);
  splitters = DragSplitter(TGleanerSplitter::Notation, splitters, 0, 0, 1000, 0);
  l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(l.ListBoxSyllable.Width(), 30);
  splitters = DragSplitter(TGleanerSplitter::Notation, splitters, 1000, 0, -1000, 0);
  l = Layout(ClientWidth, ClientHeight, 96, splitters);
  EXPECT_EQ(l.ListBoxNotation.Width(), 30);
}

TEST(GleanerFormLayout, ATinyWindowGivesNoNegativeSizes) {
  TGleanerSplitters splitters = DefaultSplitters(96);
  auto l = Layout(20, 40, 96, splitters);
  EXPECT_GE(splitters.SourceHeight, 0);
  EXPECT_GE(splitters.NotationWidth, 0);
  EXPECT_GE(l.ButtonNotaAdd.Width(), 0);
}

TEST(GleanerAppearance, ShadesAndErrorText) {
  EXPECT_EQ(NotationShade(0), TNotationShade::NoReading);
  EXPECT_EQ(NotationShade(1), TNotationShade::Proposed);
  EXPECT_EQ(NotationShade(2), TNotationShade::Saved);
  EXPECT_EQ(GleanerErrorText("disk full"),
            "予期せぬエラーが発生！\r\n＞ disk full\r\nアプリケーションを終了します。");
}

}  // namespace
