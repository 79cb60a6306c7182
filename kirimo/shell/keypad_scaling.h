#pragma once
// Sizes of the keypad's drawing that depend on the screen: the fixed sizes at
// a monitor's DPI, the key panel when the window moves to another DPI, the
// captions' size for their buttons, and a font small enough for a caption to
// fit its button.
#include "kirimo/shell/keypad_tree_layout.h"

// The fixed sizes (given at 96 DPI) at dpi.
TKeypadSizes KeypadSizesForDpi(int dpi);

// pixels measured at oldDpi, as many at newDpi (rounded to the nearest). The
// key panel keeps its share of the window when the system rescales it.
int RescaleForDpi(int pixels, int oldDpi, int newDpi);

// The buttons whose captions grow with them, and those of a fixed size.
enum class TCaptionKind { Key, Vowel, Command, GridCell, Fixed };

// Caption cells are this high (pixels at 96 DPI) on the shipped keypad, whose
// buttons of each kind are this high.
constexpr int CaptionHeight96 = 16;
int ShippedButtonHeight96(TCaptionKind kind);
// Captions grow with their buttons up to this many times their shipped size.
constexpr int MaxCaptionGrowth = 4;
// Below this (pixels at 96 DPI) a caption is condensed rather than made smaller still.
constexpr int SmallestCaptionHeight96 = 10;

// The caption cell height for a button buttonHeight high at dpi: the shipped
// height at that DPI, growing in proportion to a button taller than shipped.
// FitCaptionFont then makes it fit.
int CaptionHeightFor(TCaptionKind kind, int buttonHeight, int dpi);

// A font for a caption: Height as the font's cell height in pixels, Width 0
// for the face's own width or an average character width that condenses the
// glyphs.
struct TCaptionFont {
  int Height = 0;
  int Width = 0;
  friend bool operator==(const TCaptionFont&, const TCaptionFont&) = default;
};

// A button's inside, and the smallest cell height worth reading.
struct TCaptionRoom {
  int Width = 0;
  int Height = 0;
  int Smallest = 0;
};

// The caption measures textWidth in a font of cellHeight (aveCharWidth its
// average character width). When it is wider or taller than the room, the
// font shrinks in proportion, but not below the smallest height (unless the
// room is lower still); from there the glyphs are condensed instead, so the
// caption still fits and stays readable.
TCaptionFont FitCaptionFont(int cellHeight, int aveCharWidth, int textWidth,
                            const TCaptionRoom& room);
