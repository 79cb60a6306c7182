#include "gleaner/gleaner_form_layout.h"

#include <algorithm>
#include <array>

#include "common/dpi_scale.h"

namespace {

// Panel parts at 96 DPI.
constexpr int DicPanel = 41;
constexpr int Title = 18;
constexpr int SourceCommands = 60;
constexpr int ProgressBar = 6;
constexpr int SplitterSize = 4;
constexpr int EditButtons = 32;
constexpr int CommandPanel = 36;
constexpr int StatusBar = 20;
constexpr int Margin = 8;
constexpr int Inset = 4;
constexpr int MinimumList = 30;  // what a splitter leaves of a list or the memo

// count buttons side by side, equally wide, across [left, right).
template <std::size_t count>
std::array<TBox, count> ButtonRow(int left, int right, int top, int bottom, int gap) {
  std::array<TBox, count> row;
  const int n = static_cast<int>(count);
  const int width = std::max(0, right - left - gap * (n - 1));
  for (int i = 0; i < n; ++i) {
    int start = left + width * i / n + gap * i;
    int end = left + width * (i + 1) / n + gap * i;
    row[static_cast<std::size_t>(i)] = {start, top, end, bottom};
  }
  return row;
}

}  // namespace

TGleanerSplitters DefaultSplitters(int dpi) {
  return {ScaleForDpi(SourceHeight96, dpi), ScaleForDpi(NotationWidth96, dpi)};
}

TGleanerFormLayout LayOutGleanerForm(int width, int height, int dpi, TGleanerSplitters& splitters) {
  auto s = [dpi](int size96) { return ScaleForDpi(size96, dpi); };
  TGleanerFormLayout l;
  const int inset = s(Inset), margin = s(Margin);

  l.DicLabel = {margin, s(13), margin + s(96), s(13) + s(16)};
  l.DicComboBox = {l.DicLabel.Right + s(4), s(9), width - margin, s(9) + s(200)};

  l.StatusBar = {0, height - s(StatusBar), width, height};
  l.SaveProgressBar = {0, l.StatusBar.Top - s(ProgressBar), width, l.StatusBar.Top};
  const int commandTop = l.SaveProgressBar.Top - s(CommandPanel);
  l.ButtonSaveToDic = {margin, commandTop + inset, width - margin, l.SaveProgressBar.Top - inset};

  const int mainTop = s(DicPanel), mainBottom = commandTop;
  const int lowestSource = s(Title) + s(SourceCommands) + s(MinimumList);
  const int highestSource =
      mainBottom - mainTop - s(SplitterSize) - (s(Title) + s(EditButtons) + s(MinimumList));
  splitters.SourceHeight =
      std::max(0, std::min(std::max(splitters.SourceHeight, lowestSource), highestSource));
  const int sourceBottom = mainTop + splitters.SourceHeight;
  l.SourceTitle = {inset, mainTop, width - inset, mainTop + s(Title)};
  const int commandsTop = sourceBottom - s(SourceCommands);
  l.MemoSource = {inset, l.SourceTitle.Bottom, width - inset, commandsTop};
  l.ExtProgressBar = {0, sourceBottom - s(ProgressBar), width, sourceBottom};
  const int buttonsTop = commandsTop + margin, buttonsBottom = l.ExtProgressBar.Top - margin;
  l.ButtonTextClear = {margin, buttonsTop, margin + s(120), buttonsBottom};
  l.ButtonExtractWord = {l.ButtonTextClear.Right + margin, buttonsTop, width - margin,
                         buttonsBottom};
  l.Splitter1 = {0, sourceBottom, width, sourceBottom + s(SplitterSize)};

  const int wordTop = l.Splitter1.Bottom;
  const int narrowest = s(MinimumList) + inset;
  splitters.NotationWidth = std::max(0, std::min(std::max(splitters.NotationWidth, narrowest),
                                                 width - s(SplitterSize) - narrowest));
  const int notationRight = splitters.NotationWidth;
  l.Splitter2 = {notationRight, wordTop, notationRight + s(SplitterSize), mainBottom};
  const int editTop = mainBottom - s(EditButtons);
  const int titleBottom = wordTop + s(Title);

  l.NotationTitle = {inset, wordTop, notationRight, titleBottom};
  l.ListBoxNotation = {inset, titleBottom, notationRight, editTop};
  auto notationButtons =
      ButtonRow<3>(inset, notationRight, editTop + inset, mainBottom - inset, inset);
  l.ButtonNotaAdd = notationButtons[0];
  l.ButtonNotaEdit = notationButtons[1];
  l.ButtonNotaDelete = notationButtons[2];

  const int syllableLeft = l.Splitter2.Right;
  l.SyllableTitle = {syllableLeft, wordTop, width - inset, titleBottom};
  l.ListBoxSyllable = {syllableLeft, titleBottom, width - inset, editTop};
  auto syllableButtons =
      ButtonRow<3>(syllableLeft, width - inset, editTop + inset, mainBottom - inset, inset);
  l.ButtonSyllAdd = syllableButtons[0];
  l.ButtonSyllEdit = syllableButtons[1];
  l.ButtonSyllDelete = syllableButtons[2];
  return l;
}

TGleanerSplitter SplitterAt(const TGleanerFormLayout& layout, int x, int y) {
  if (layout.Splitter1.Contains(x, y)) return TGleanerSplitter::Source;
  if (layout.Splitter2.Contains(x, y)) return TGleanerSplitter::Notation;
  return TGleanerSplitter::None;
}

TGleanerSplitters DragSplitter(TGleanerSplitter splitter, TGleanerSplitters start, int fromX,
                               int fromY, int toX, int toY) {
  if (splitter == TGleanerSplitter::Source) start.SourceHeight += toY - fromY;
  if (splitter == TGleanerSplitter::Notation) start.NotationWidth += toX - fromX;
  return start;
}
