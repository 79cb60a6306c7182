#include "kirimo/shell/keypad_layout.h"

namespace {

TRect CellAt(int index, int columns, int width, int height) {
  int left = width * (index % columns);
  int top = height * (index / columns);
  return {left, top, left + width, top + height};
}

template <std::size_t N>
std::array<TRect, N> ButtonRects(int columns, int width, int height) {
  std::array<TRect, N> rects;
  for (std::size_t i = 0; i < N; ++i)
    rects[i] = CellAt(static_cast<int>(i), columns, width, height);
  return rects;
}

}  // namespace

int DivideRoundingHalfToEven(int numerator, int denominator) {
  if (denominator <= 0) return 0;
  int quotient = numerator / denominator;
  int remainder = numerator % denominator;
  if (remainder < 0) {  // floor division, so the remainder is never negative
    --quotient;
    remainder += denominator;
  }
  long long twice = 2LL * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

std::array<TRect, CommandCount> CommandButtonRects(int panelWidth, int panelHeight) {
  return ButtonRects<CommandCount>(CommandCount, DivideRoundingHalfToEven(panelWidth, CommandCount),
                                   panelHeight);
}

std::array<TRect, VowelCount> VowelButtonRects(int panelWidth, int panelHeight) {
  return ButtonRects<VowelCount>(VowelCount, DivideRoundingHalfToEven(panelWidth, VowelCount),
                                 panelHeight);
}

std::array<TRect, KeyCount> KeyButtonRects(int panelWidth, int panelHeight) {
  constexpr int columns = 3;
  constexpr int rows = KeyCount / columns;
  return ButtonRects<KeyCount>(columns, DivideRoundingHalfToEven(panelWidth, columns),
                               DivideRoundingHalfToEven(panelHeight, rows));
}

std::vector<TRect> GridCellRects(int panelWidth, int panelHeight, int colCount, int rowCount,
                                 int cellCount) {
  std::vector<TRect> cells;
  if (colCount <= 0 || rowCount <= 0) return cells;
  int width = panelWidth / colCount;
  int height = panelHeight / rowCount;
  for (int i = 0; i < cellCount; ++i) cells.push_back(CellAt(i, colCount, width, height));
  return cells;
}
