#pragma once
// Where each control of Gleaner's window goes, from the window's client size,
// its DPI and the two splitter positions. Fixed sizes are at 96 DPI and scale;
// the splitter positions are pixels at the window's DPI, as the user dragged
// them.
#include <cstdint>

struct TBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool operator==(const TBox&) const = default;
};

// The window's outer size at 96 DPI, and the splitters' starting places.
constexpr int GleanerWidth96 = 400;
constexpr int GleanerHeight96 = 528;
constexpr int SourceHeight96 = 184;   // the source panel above the first splitter
constexpr int NotationWidth96 = 193;  // the notation panel left of the second
constexpr int NotationItemHeight96 = 16;
constexpr int GleanerFontHeight96 = 16;

struct TGleanerSplitters {
  int SourceHeight;   // pixels
  int NotationWidth;  // pixels
};
TGleanerSplitters DefaultSplitters(int dpi);

struct TGleanerFormLayout {
  TBox DicLabel, DicComboBox;
  TBox SourceTitle, MemoSource, ButtonTextClear, ButtonExtractWord, ExtProgressBar;
  TBox Splitter1;
  TBox NotationTitle, ListBoxNotation, ButtonNotaAdd, ButtonNotaEdit, ButtonNotaDelete;
  TBox Splitter2;
  TBox SyllableTitle, ListBoxSyllable, ButtonSyllAdd, ButtonSyllEdit, ButtonSyllDelete;
  TBox ButtonSaveToDic, SaveProgressBar, StatusBar;
};

// The splitter positions are kept within what the client area leaves (every
// list and the memo keep a small visible part); the clamped ones are used.
TGleanerFormLayout LayOutGleanerForm(int clientWidth, int clientHeight, int dpi,
                                     TGleanerSplitters& splitters);

enum class TGleanerSplitter : std::uint8_t { None, Source, Notation };
TGleanerSplitter SplitterAt(const TGleanerFormLayout& layout, int x, int y);

// A drag of a splitter from where the mouse went down to where it is now.
TGleanerSplitters DragSplitter(TGleanerSplitter splitter, TGleanerSplitters start, int fromX,
                               int fromY, int toX, int toY);
