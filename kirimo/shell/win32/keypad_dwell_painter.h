#pragma once
// What dwell adds to the keypad's picture: the stem marks at the right end of
// the list's rows, and the countdown on the control the pointer rests on.
#include <windows.h>

#include "kirimo/shell/keypad_hit_testing.h"

// "＋" in the stem mark of every item shown, in the DC's font.
void PaintStemMarks(HDC dc, const TKeypadGeometry& geometry);

// An outline round rect and a bar along its bottom, permille of the way across.
void PaintDwellCountdown(HDC dc, const TRect& rect, int permille);
