#pragma once
// The controls of the keypad window that the mouse can land on, by role.

// Button counts of the keypad.
constexpr int KeyCount = 12;
constexpr int VowelCount = 5;
constexpr int CommandCount = 3;
constexpr int GridColumns = 10;
constexpr int GridRows = 5;
constexpr int GridCellCount = GridColumns * GridRows;
// Buttons with a meaning of their own among the keys and the grid cells.
constexpr int StarKey = 9;      // "*"
constexpr int LayoutKey = 11;   // "#": the next key layout
constexpr int LayoutCell = 49;  // the last grid cell: the next grid letters

enum class TKeypadPart {
  None,        // outside every control
  TitleBar,    // the window's caption bar
  KeyPanel,    // between the key buttons
  Key,         // Index 0-11, in caption order
  GridPanel,   // between the grid cells
  GridCell,    // Index 0-49, row by row
  Vowel,       // Index 0-4
  Clear,       // "クリア"
  Dictionary,  // "辞書切替"
  Hide,        // "隠す"
  ListUp,      // "▲"
  ListDown,    // "▼"
  ListLeft,    // "<"
  ListRight,   // ">"
  ListBox,     // Index: the item under the cursor, -1 for none
  ItemStem,    // Index: the item whose stem mark ("＋", while dwell is on) is under the cursor
  StatusBar,
  Sponsor,    // the sponsor strip
  Splitter,   // between the list and the keys
  FrameEdge,  // Index: the TFrameEdge of the window's sizing border
};

// The side or corner of the sizing border, numbered as the platform numbers
// the edges of a size loop.
enum TFrameEdge : int {
  FrameLeft = 1,
  FrameRight,
  FrameTop,
  FrameTopLeft,
  FrameTopRight,
  FrameBottom,
  FrameBottomLeft,
  FrameBottomRight,
};

struct TKeypadControl {
  TKeypadPart Part = TKeypadPart::None;
  int Index = 0;

  friend bool operator==(const TKeypadControl&, const TKeypadControl&) = default;
};

// Panels are what a press holds down and sliding away cancels.
bool IsPanel(TKeypadControl control);
// The buttons among the panels: a click on one runs its handler and a press
// lowers its inner bevel. The gaps between keys or cells are panels too, but
// not buttons.
bool HasClickHandler(TKeypadControl control);
bool IsScrollButton(TKeypadControl control);
// A list item, or its stem mark.
bool IsItem(TKeypadControl control);
// The caption bar, the sizing border and the splitter: a press there moves or
// sizes the window, or its key panel.
bool IsWindowChrome(TKeypadControl control);
