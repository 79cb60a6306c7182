#pragma once
// The splash animation: a bell swinging on its hook, drawn by us frame by
// frame (34 x 35 at 96 DPI).
#include <windows.h>

constexpr int BellFrameWidth = 34;
constexpr int BellFrameHeight = 35;
constexpr int BellFrameCount = 8;

// Draws frame index (taken modulo the count) with its top left at origin;
// scale is the DPI over 96, in hundredths.
void DrawBellFrame(HDC dc, POINT origin, int index, int scalePercent);
