#pragma once
// Where the buttons of the keypad sit inside their panels. Rectangles are
// relative to the panel; the window only places and paints what these say.
#include <array>
#include <vector>

#include "kirimo/shell/keypad_control.h"

struct TPoint {
  int X = 0;
  int Y = 0;
};

// Right and Bottom are outside, so an empty rectangle contains no point.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(TPoint point) const {
    return point.X >= Left && point.X < Right && point.Y >= Top && point.Y < Bottom;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// numerator / denominator to the nearest integer, halves to the even one; 0
// when denominator is not positive.
int DivideRoundingHalfToEven(int numerator, int denominator);

// Buttons in one row or a grid of equal buttons, each size rounded half to
// even: "クリア" "辞書切替" "隠す"; the five vowels; the twelve keys in four
// rows of three.
std::array<TRect, CommandCount> CommandButtonRects(int panelWidth, int panelHeight);
std::array<TRect, VowelCount> VowelButtonRects(int panelWidth, int panelHeight);
std::array<TRect, KeyCount> KeyButtonRects(int panelWidth, int panelHeight);

// The grid panel's cells, row by row, each size truncated; none when either
// count is not positive.
std::vector<TRect> GridCellRects(int panelWidth, int panelHeight, int colCount, int rowCount,
                                 int cellCount = GridCellCount);
