#pragma once
// Drawing the keypad's parts into a DC: buttons with their bevels, the
// candidate rows, the status bar. What to draw comes from the keypad model.
#include <windows.h>

#include <string_view>

#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_layout.h"
#include "kirimo/shell/win32/caption_fonts.h"

RECT ToRect(const TRect& rect);

// How a button's caption is drawn: in the captions' face, Height pixels high
// (the cell) or, when it does not fit the button, smaller (not below Smallest
// pixels; narrower glyphs beyond that).
struct TCaptionStyle {
  TCaptionFonts& Fonts;
  int Height = 0;
  int Smallest = 0;
};

// A raised inner bevel inside a lowered outer one; pressed lowers the inner
// one too. The caption (CP932) is centred in colour.
void PaintButton(HDC dc, const TRect& rect, std::string_view caption, bool pressed, COLORREF colour,
                 const TCaptionStyle& style);

// The visible rows only, each itemHeight high; selected rows highlighted.
void PaintCandidateRows(HDC dc, const TRect& rect, const TCandidateListModel::TRows& rows,
                        int itemHeight, COLORREF colour);

void PaintStatusBar(HDC dc, const TRect& rect, std::string_view text);
