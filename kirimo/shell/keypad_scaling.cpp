#include "kirimo/shell/keypad_scaling.h"

#include <algorithm>

#include "common/dpi_scale.h"

TKeypadSizes KeypadSizesForDpi(int dpi) {
  TKeypadSizes sizes;
  for (int* size : {&sizes.StatusBarHeight, &sizes.SpacerHeight, &sizes.SponsorHeight,
                    &sizes.SplitterHeight, &sizes.ListButtonsHeight, &sizes.SideButtonWidth,
                    &sizes.UpButtonHeight, &sizes.VowelRowHeight, &sizes.CommandRowHeight})
    *size = ScaleForDpi(*size, dpi);
  return sizes;
}

int RescaleForDpi(int pixels, int oldDpi, int newDpi) {
  if (oldDpi <= 0 || newDpi <= 0 || oldDpi == newDpi) return pixels;
  const long long scaled = static_cast<long long>(pixels) * newDpi;
  const long long half = oldDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / oldDpi : -((-scaled + half) / oldDpi));
}

int ShippedButtonHeight96(TCaptionKind kind) {
  switch (kind) {
    case TCaptionKind::Key:
    case TCaptionKind::Command:
      return 25;
    case TCaptionKind::Vowel:
    case TCaptionKind::GridCell:
      return 20;
    case TCaptionKind::Fixed:
      break;
  }
  return 0;
}

int CaptionHeightFor(TCaptionKind kind, int buttonHeight, int dpi) {
  const int base = ScaleForDpi(CaptionHeight96, dpi);
  const int shipped = ScaleForDpi(ShippedButtonHeight96(kind), dpi);
  if (shipped <= 0 || buttonHeight <= shipped) return base;
  const long long grown = static_cast<long long>(base) * buttonHeight / shipped;
  return static_cast<int>(
      std::min<long long>(grown, static_cast<long long>(base) * MaxCaptionGrowth));
}

TCaptionFont FitCaptionFont(int cellHeight, int aveCharWidth, int textWidth,
                            const TCaptionRoom& room) {
  const bool tooWide = textWidth > room.Width && room.Width > 0;
  const bool tooTall = cellHeight > room.Height && room.Height > 0;
  if ((!tooWide && !tooTall) || cellHeight <= 0 || textWidth <= 0) return {cellHeight, 0};
  const int tallest = tooTall ? room.Height : cellHeight;
  // Rounded down: a pixel too many would clip again.
  const int byWidth =
      tooWide ? static_cast<int>(static_cast<long long>(cellHeight) * room.Width / textWidth)
              : cellHeight;
  const int floor = std::min(room.Smallest, tallest);
  if (byWidth >= floor) return {std::max(std::min(byWidth, tallest), 1), 0};
  // The width a character may take so that the whole caption fits, at any height.
  const int width = static_cast<int>(static_cast<long long>(aveCharWidth) * room.Width / textWidth);
  return {std::max(floor, 1), std::max(width, 1)};
}
