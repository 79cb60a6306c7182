#include "kirimo/shell/win32/keypad_dwell_painter.h"

#include <algorithm>

#include "common/win32/wide_text.h"
#include "kirimo/shell/win32/keypad_painter.h"

void PaintStemMarks(HDC dc, const TKeypadGeometry& geometry) {
  const std::wstring mark = ToWide("＋");
  for (int item = geometry.ListTopIndex; item < geometry.ListCount; ++item) {
    RECT area = ToRect(ControlRect(geometry, {TKeypadPart::ItemStem, item}));
    if (area.right <= area.left) break;  // the rows below are scrolled away too
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, mark.c_str(), static_cast<int>(mark.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void PaintDwellCountdown(HDC dc, const TRect& rect, int permille) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
  RECT area = ToRect(rect);
  for (int ring = 0; ring < 2 && area.right - area.left > 2 && area.bottom - area.top > 2; ++ring) {
    FrameRect(dc, &area, brush);
    InflateRect(&area, -1, -1);
  }
  const int inside = static_cast<int>(area.bottom - area.top);
  const int thickness = std::clamp(rect.Height() / 5, 3, std::max(3, inside));
  const int width = static_cast<int>(static_cast<long long>(area.right - area.left) *
                                     std::clamp(permille, 0, 1000) / 1000);
  RECT bar{area.left, std::max(area.top, area.bottom - thickness), area.left + width, area.bottom};
  FillRect(dc, &bar, brush);
}
