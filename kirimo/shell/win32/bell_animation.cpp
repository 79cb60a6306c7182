#include "kirimo/shell/win32/bell_animation.h"

#include <array>
#include <cmath>

#include "common/win32/handles.h"

namespace {

// Swing angles in degrees: out to one side, back, out to the other.
constexpr std::array<double, BellFrameCount> SwingDegrees = {0, 8, 14, 8, 0, -8, -14, -8};

// The bell's outline around its pivot (the hook at 17, 4), at 96 DPI.
constexpr std::array<POINT, 12> BellOutline = {{
    {-3, 2},
    {3, 2},
    {6, 5},
    {8, 10},
    {8, 16},
    {10, 20},
    {12, 22},
    {-12, 22},
    {-10, 20},
    {-8, 16},
    {-8, 10},
    {-6, 5},
}};

struct TPlace {
  double Sin, Cos, Scale;
  POINT Pivot;
  POINT Map(double x, double y) const {
    return {Pivot.x + static_cast<LONG>(std::lround((x * Cos - y * Sin) * Scale)),
            Pivot.y + static_cast<LONG>(std::lround((x * Sin + y * Cos) * Scale))};
  }
};

}  // namespace

void DrawBellFrame(HDC dc, POINT origin, int index, int scalePercent) {
  const double scale = scalePercent / 100.0;
  const int width = static_cast<int>(std::lround(BellFrameWidth * scale));
  const int height = static_cast<int>(std::lround(BellFrameHeight * scale));
  RECT area{origin.x, origin.y, origin.x + width, origin.y + height};
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));

  const double radians =
      SwingDegrees[static_cast<std::size_t>(index % BellFrameCount)] * 3.14159265 / 180;
  TPlace bell{std::sin(radians),
              std::cos(radians),
              scale,
              {origin.x + static_cast<LONG>(std::lround(17 * scale)),
               origin.y + static_cast<LONG>(std::lround(4 * scale))}};
  std::array<POINT, BellOutline.size()> points{};
  for (std::size_t i = 0; i < points.size(); ++i)
    points[i] = bell.Map(BellOutline[i].x, BellOutline[i].y);

  TGdiObject gold(CreateSolidBrush(RGB(230, 170, 40)));
  TGdiObject rim(CreatePen(PS_SOLID, 1, RGB(140, 90, 10)));
  TSelection brush(dc, gold.Get());
  TSelection pen(dc, rim.Get());
  Polygon(dc, points.data(), static_cast<int>(points.size()));
  // The clapper lags behind the swing.
  TPlace clapper = bell;
  clapper.Sin = -bell.Sin * 0.5;
  clapper.Cos = std::sqrt(1 - clapper.Sin * clapper.Sin);
  POINT ball = clapper.Map(0, 25);
  int radius = static_cast<int>(std::lround(3 * scale));
  Ellipse(dc, ball.x - radius, ball.y - radius, ball.x + radius, ball.y + radius);
  POINT hook = bell.Map(0, 0);
  int hookRadius = static_cast<int>(std::lround(2 * scale));
  Ellipse(dc, hook.x - hookRadius, hook.y - hookRadius, hook.x + hookRadius, hook.y + hookRadius);
}
