#include "kirimo/shell/keypad_hit_testing.h"

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

TKeypadControl ListControlAt(const TKeypadGeometry& geometry, TPoint point) {
  const int item = ItemUnder(geometry, point);
  const bool onStem =
      geometry.StemWidth > 0 && point.X >= geometry.ListBox.Right - geometry.StemWidth;
  return {item >= 0 && onStem ? TKeypadPart::ItemStem : TKeypadPart::ListBox, item};
}

// The row of an item in the list, clipped to the list; empty when it is scrolled away.
TRect RowRect(const TKeypadGeometry& geometry, int item) {
  if (item < 0 || item >= geometry.ListCount || item < geometry.ListTopIndex) return {};
  const TRect& list = geometry.ListBox;
  const long long top =
      list.Top + static_cast<long long>(item - geometry.ListTopIndex) * geometry.ItemHeight;
  if (top >= list.Bottom) return {};
  return {list.Left, static_cast<int>(top), list.Right,
          std::min(list.Bottom, static_cast<int>(top + geometry.ItemHeight))};
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

int StemWidthFor(int itemHeight) { return 2 * std::max(itemHeight, 0); }

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
  if (geometry.ListBox.Contains(point)) return ListControlAt(geometry, point);
  TKeypadControl vowel = ButtonUnder(geometry.Vowels, point, TKeypadPart::Vowel, TKeypadPart::None);
  if (vowel.Part != TKeypadPart::None) return vowel;
  if (geometry.StatusBar.Contains(point)) return {TKeypadPart::StatusBar, 0};
  if (geometry.Sponsor.Contains(point)) return {TKeypadPart::Sponsor, 0};
  if (geometry.Splitter.Contains(point)) return {TKeypadPart::Splitter, 0};
  if (const int edge = FrameEdgeUnder(geometry, point)) return {TKeypadPart::FrameEdge, edge};
  if (geometry.TitleBar.Contains(point)) return {TKeypadPart::TitleBar, 0};
  return {};
}

TRect ControlRect(const TKeypadGeometry& geometry, TKeypadControl control) {
  const TKeypadGeometry& g = geometry;
  auto at = [&](const auto& rects) {
    return control.Index >= 0 && static_cast<std::size_t>(control.Index) < rects.size()
               ? rects[control.Index]
               : TRect{};
  };
  switch (control.Part) {
    case TKeypadPart::KeyPanel:
    case TKeypadPart::GridPanel:
      return g.ParentPanel;
    case TKeypadPart::Key:
      return g.GridVisible ? TRect{} : at(g.Keys);
    case TKeypadPart::GridCell:
      return g.GridVisible ? at(g.GridCells) : TRect{};
    case TKeypadPart::Vowel:
      return at(g.Vowels);
    case TKeypadPart::Clear:
      return g.Clear;
    case TKeypadPart::Dictionary:
      return g.Dictionary;
    case TKeypadPart::Hide:
      return g.Hide;
    case TKeypadPart::ListUp:
      return g.ListUp;
    case TKeypadPart::ListDown:
      return g.ListDown;
    case TKeypadPart::ListLeft:
      return g.ListLeft;
    case TKeypadPart::ListRight:
      return g.ListRight;
    case TKeypadPart::ListBox:
      return RowRect(g, control.Index);
    case TKeypadPart::ItemStem: {
      TRect row = RowRect(g, control.Index);
      if (g.StemWidth <= 0 || row.Width() <= 0) return {};
      row.Left = std::max(row.Left, row.Right - g.StemWidth);
      return row;
    }
    case TKeypadPart::StatusBar:
      return g.StatusBar;
    case TKeypadPart::Sponsor:
      return g.Sponsor;
    case TKeypadPart::Splitter:
      return g.Splitter;
    case TKeypadPart::None:
    case TKeypadPart::TitleBar:
    case TKeypadPart::FrameEdge:
      break;
  }
  return {};
}
