#pragma once
// The whole keypad window laid out from its client size, for a window that
// paints its panels itself: every control's rectangle in client coordinates,
// as panels docked top, bottom, left, right or filling the rest would place
// them. The caption bar lies outside the client area; the window adds it.
#include "kirimo/shell/keypad_hit_testing.h"
#include "kirimo/shell/keypad_layout.h"

// The key area's height as shipped. A taller one makes the vowel and command
// rows taller in proportion (never lower than their sizes below), so a keypad
// made large for an imprecise pointer is large throughout.
constexpr int ShippedKeyHeight = 150;

// Fixed sizes at 96 DPI; the window scales them with the monitor's DPI.
struct TKeypadSizes {
  int StatusBarHeight = 19;
  int SpacerHeight = 2;  // the bevels around the sponsor strip and the keys
  int SponsorHeight = 16;
  int SplitterHeight = 4;
  int ListButtonsHeight = 40;  // "<", "▲" over "▼", ">"
  int SideButtonWidth = 40;    // "<" and ">"
  int UpButtonHeight = 20;
  int VowelRowHeight = 20;
  int CommandRowHeight = 25;
};

// What decides the layout besides the client size.
struct TKeypadShape {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int KeyHeight = 0;  // the setting: keys, vowels and commands together
  bool SponsorVisible = false;
  bool VowelRowVisible = true;
  bool GridVisible = false;
};

struct TKeypadTree {
  TKeypadGeometry Controls;  // without the caption bar, the frame and the list's items; its
                             // Splitter: dragging it changes KeyHeight
  TRect VowelPanel;
  TRect CommandPanel;
};

TKeypadTree LayoutKeypad(const TKeypadShape& shape, const TKeypadSizes& sizes = {});

// The key height a drag of the splitter asks for, its bottom edge taken to
// splitterBottom: the keys keep their rows and one list item's height, the
// list its buttons and one item; a window too small for both keeps the keys.
int DraggedKeyHeight(const TKeypadTree& tree, const TKeypadSizes& sizes, int itemHeight,
                     int splitterBottom);
