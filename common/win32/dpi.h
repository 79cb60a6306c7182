#pragma once
// The DPI a window is shown at, and sizes given at 96 DPI scaled to it.
#include <windows.h>

#include "common/dpi_scale.h"

// The window's DPI where the system tells it per monitor, else the screen's.
int WindowDpi(HWND window);
// A font height in pixels for a size in points at this DPI (negative: character height).
inline int FontHeightForPoints(int points, int dpi) { return -MulDiv(points, dpi, 72); }
// Asks for per-monitor DPI awareness where the system offers it (the manifest
// asks too); harmless where it does not.
void DeclareDpiAware();
