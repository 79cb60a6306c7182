#pragma once
// The font dialog for the candidate list, and the list font as a GDI font.
#include <windows.h>

#include "kirimo/cartridge_base/app_ini.h"

// Shows the font dialog preset with font; true and font changed on OK.
bool ChooseListFont(HWND owner, TListFont& font);
// A font for font at the given DPI (the caller owns it).
HFONT CreateListFont(const TListFont& font, int dpi);
