#include "common/win32/fonts.h"

#include "common/win32/dpi.h"
#include "common/win32/wide_text.h"

HFONT CreateJapaneseFont(std::string_view face, int height, int weight) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0,
                     DEFAULT_QUALITY, 0, ToWide(face).c_str());
}

HFONT CreateDialogFont(int dpi) {
  return CreateJapaneseFont("ＭＳ Ｐゴシック", FontHeightForPoints(9, dpi));
}
