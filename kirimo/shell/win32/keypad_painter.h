#pragma once
// Drawing the keypad's parts into a DC: buttons with their bevels, the
// candidate rows, the status bar. What to draw comes from the keypad model.
#include <windows.h>

#include <string_view>

#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_layout.h"

RECT ToRect(const TRect& rect);

// A raised inner bevel inside a lowered outer one; pressed lowers the inner
// one too. The caption (CP932) is centred in colour, in the DC's font or, when
// it is too wide for the button, a smaller one (not below smallestFontHeight
// pixels; narrower glyphs beyond that).
void PaintButton(HDC dc, const TRect& rect, std::string_view caption, bool pressed, COLORREF colour,
                 int smallestFontHeight);

// The visible rows only, each itemHeight high; selected rows highlighted.
void PaintCandidateRows(HDC dc, const TRect& rect, const TCandidateListModel::TRows& rows,
                        int itemHeight, COLORREF colour);

void PaintStatusBar(HDC dc, const TRect& rect, std::string_view text);
