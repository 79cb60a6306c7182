#pragma once
// The fonts our windows make themselves (the caller owns each).
#include <windows.h>

#include <string_view>

// face (CP932) at height pixels (negative: character height), Japanese charset.
HFONT CreateJapaneseFont(std::string_view face, int height, int weight = FW_NORMAL);
// The dialogs' font, "ＭＳ Ｐゴシック" 9 points, at dpi.
HFONT CreateDialogFont(int dpi);
