#include "kirimo/shell/win32/keypad_painter.h"

#include "common/win32/handles.h"
#include "common/win32/wide_text.h"
#include "kirimo/shell/keypad_scaling.h"

RECT ToRect(const TRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

namespace {

void PaintText(HDC dc, RECT area, std::string_view text, COLORREF colour, UINT format) {
  std::wstring wide = ToWide(text);
  SetTextColor(dc, colour);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
            format | DT_SINGLELINE | DT_NOPREFIX);
}

// Room left and right of a caption inside the bevel.
constexpr int CaptionMargin = 2;

// The caption's font at the style's height, or smaller or condensed when the
// caption would not fit into area.
HFONT FittedFont(HDC dc, const RECT& area, const std::wstring& caption,
                 const TCaptionStyle& style) {
  HFONT wanted = style.Fonts.At({style.Height, 0});
  TSelection measured(dc, wanted);
  SIZE extent{};
  TEXTMETRICW metrics{};
  if (!GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent) ||
      !GetTextMetricsW(dc, &metrics))
    return wanted;
  const TCaptionRoom room{area.right - area.left - 2 * CaptionMargin, area.bottom - area.top,
                          style.Smallest};
  const TCaptionFont fitted =
      FitCaptionFont(metrics.tmHeight, metrics.tmAveCharWidth, extent.cx, room);
  return fitted == TCaptionFont{metrics.tmHeight, 0} ? wanted : style.Fonts.At(fitted);
}

}  // namespace

void PaintButton(HDC dc, const TRect& rect, std::string_view caption, bool pressed, COLORREF colour,
                 const TCaptionStyle& style) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  RECT area = ToRect(rect);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &area, BDR_SUNKENOUTER | (pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER),
           BF_RECT | BF_ADJUST);
  if (pressed) OffsetRect(&area, 1, 1);
  TSelection font(dc, FittedFont(dc, area, ToWide(caption), style));
  PaintText(dc, area, caption, colour, DT_CENTER | DT_VCENTER);
}

void PaintCandidateRows(HDC dc, const TRect& rect, const TCandidateListModel::TRows& rows,
                        int itemHeight, COLORREF colour) {
  RECT area = ToRect(rect);
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  for (std::size_t row = 0; row < rows.Texts.size(); ++row) {
    RECT line{area.left, area.top + static_cast<int>(row) * itemHeight, area.right,
              area.top + static_cast<int>(row + 1) * itemHeight};
    if (line.top >= area.bottom) break;
    line.bottom = std::min(line.bottom, area.bottom);
    const bool selected = rows.Selected[row];
    if (selected) FillRect(dc, &line, GetSysColorBrush(COLOR_HIGHLIGHT));
    RECT text = line;
    text.left += 2;
    PaintText(dc, text, rows.Texts[row], selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colour,
              DT_LEFT | DT_VCENTER);
    if (rows.TopIndex + static_cast<int>(row) == rows.ItemIndex) DrawFocusRect(dc, &line);
  }
}

void PaintStatusBar(HDC dc, const TRect& rect, std::string_view text) {
  RECT area = ToRect(rect);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  area.left += 3;
  PaintText(dc, area, text, GetSysColor(COLOR_BTNTEXT), DT_LEFT | DT_VCENTER);
}
