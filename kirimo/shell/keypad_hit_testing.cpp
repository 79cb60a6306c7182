#include "kirimo/shell/keypad_hit_testing.h"

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
  if (geometry.TitleBar.Contains(point)) return {TKeypadPart::TitleBar, 0};
  return {};
}
