#include "kirimo/shell/keypad_hit_test.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The rectangle of rects under point, as part with its index; whole when none.
template <typename TRects>
TKeypadControl ButtonUnder(const TRects& rects, TPoint point, TKeypadPart part, TKeypadPart whole) {
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(point)) return {part, static_cast<int>(i)};
  }
  return {whole, 0};
}

int ItemUnder(const TKeypadGeometry& geometry, TPoint point) {
  if (geometry.ItemHeight <= 0) return -1;
  int item = geometry.ListTopIndex + (point.Y - geometry.ListBox.Top) / geometry.ItemHeight;
  return item >= 0 && item < geometry.ListCount ? item : -1;
}

// The side or corner of the sizing border under point; 0 inside it.
int FrameEdgeUnder(const TKeypadGeometry& geometry, TPoint point) {
  const TRect& frame = geometry.Frame;
  if (!frame.Contains(point) || geometry.FrameBorder <= 0) return 0;
  auto within = [&](int reach) {
    return std::array<bool, 4>{point.X < frame.Left + reach, point.X >= frame.Right - reach,
                               point.Y < frame.Top + reach, point.Y >= frame.Bottom - reach};
  };
  const auto [left, right, top, bottom] = within(geometry.FrameBorder);
  if (!left && !right && !top && !bottom) return 0;
  const auto [nearLeft, nearRight, nearTop, nearBottom] =
      within(std::max(geometry.FrameCorner, geometry.FrameBorder));
  const bool onTopOrBottom = top || bottom, onSide = left || right;
  const int vertical = top || (onSide && nearTop)         ? FrameTop
                       : bottom || (onSide && nearBottom) ? FrameBottom
                                                          : 0;
  const int horizontal = left || (onTopOrBottom && nearLeft)     ? FrameLeft
                         : right || (onTopOrBottom && nearRight) ? FrameRight
                                                                 : 0;
  // The platform numbers a corner as its side plus one (left) or two (right).
  if (vertical == 0) return horizontal;
  return horizontal == 0 ? vertical : vertical + horizontal;
}

}  // namespace

TKeypadControl HitTest(const TKeypadGeometry& geometry, TPoint point) {
  if (geometry.ParentPanel.Contains(point)) {
    if (geometry.GridVisible) {
      return ButtonUnder(geometry.GridCells, point, TKeypadPart::GridCell, TKeypadPart::GridPanel);
    }
    return ButtonUnder(geometry.Keys, point, TKeypadPart::Key, TKeypadPart::KeyPanel);
  }
  const std::pair<const TRect*, TKeypadPart> singles[] = {
      {&geometry.Clear, TKeypadPart::Clear},       {&geometry.Dictionary, TKeypadPart::Dictionary},
      {&geometry.Hide, TKeypadPart::Hide},         {&geometry.ListUp, TKeypadPart::ListUp},
      {&geometry.ListDown, TKeypadPart::ListDown}, {&geometry.ListRight, TKeypadPart::ListRight},
      {&geometry.ListLeft, TKeypadPart::ListLeft},
  };
  for (const auto& [rect, part] : singles) {
    if (rect->Contains(point)) return {part, 0};
  }
  if (geometry.ListBox.Contains(point)) return {TKeypadPart::ListBox, ItemUnder(geometry, point)};
  TKeypadControl vowel = ButtonUnder(geometry.Vowels, point, TKeypadPart::Vowel, TKeypadPart::None);
  if (vowel.Part != TKeypadPart::None) return vowel;
  if (geometry.StatusBar.Contains(point)) return {TKeypadPart::StatusBar, 0};
  if (geometry.Sponsor.Contains(point)) return {TKeypadPart::Sponsor, 0};
  if (geometry.Splitter.Contains(point)) return {TKeypadPart::Splitter, 0};
  if (const int edge = FrameEdgeUnder(geometry, point)) return {TKeypadPart::FrameEdge, edge};
  if (geometry.TitleBar.Contains(point)) return {TKeypadPart::TitleBar, 0};
  return {};
}
