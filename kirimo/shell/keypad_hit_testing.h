#pragma once
// Which control of the keypad is under a point. The window fills the
// rectangles from its controls, all in one coordinate space (screen pixels on
// Windows); a hidden control has an empty rectangle.
#include <array>
#include <vector>

#include "kirimo/shell/keypad_control.h"
#include "kirimo/shell/keypad_layout.h"

struct TKeypadGeometry {
  TRect ParentPanel;  // holds the keys or the grid, whichever shows
  bool GridVisible = false;
  std::array<TRect, KeyCount> Keys;
  std::vector<TRect> GridCells;
  TRect Clear;
  TRect Dictionary;
  TRect Hide;
  TRect ListUp;
  TRect ListDown;
  TRect ListRight;
  TRect ListLeft;
  TRect ListBox;
  std::array<TRect, VowelCount> Vowels;
  TRect StatusBar;
  TRect Sponsor;
  TRect Splitter;
  TRect TitleBar;
  // The whole window with its sizing border FrameBorder wide; a corner
  // reaches FrameCorner along each side it joins.
  TRect Frame;
  int FrameBorder = 0;
  int FrameCorner = 0;
  // What the list box shows, to tell the item under the cursor.
  int ItemHeight = 16;
  int ListTopIndex = 0;
  int ListCount = 0;
  // While dwell is on, the right end of each item's row is its stem mark.
  int StemWidth = 0;
};

// First match wins: the keys or grid when the point is in their panel, then
// the commands, the list buttons, the list, the vowels, the status bar, the
// sponsor strip, the splitter, the sizing border and the caption bar.
TKeypadControl HitTest(const TKeypadGeometry& geometry, TPoint point);

// Where control is, the other way round: an item's row (or its stem mark)
// while it shows in the list. Empty for a control without a place of its own
// (none, the caption bar, a hidden control or item).
TRect ControlRect(const TKeypadGeometry& geometry, TKeypadControl control);

// The stem marks' width for rows itemHeight high.
int StemWidthFor(int itemHeight);
