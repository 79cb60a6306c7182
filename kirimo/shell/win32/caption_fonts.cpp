#include "kirimo/shell/win32/caption_fonts.h"

#include "common/win32/wide_text.h"

namespace {

// Proportional, so that Latin captions such as "Enter" keep to their buttons.
constexpr const char* CaptionFace = "ＭＳ Ｐゴシック";

}  // namespace

HFONT TCaptionFonts::At(TCaptionFont size) {
  TGdiObject& font = Made[{size.Height, size.Width}];
  if (!font) {
    // A positive height asks for the cell height, as captions are measured.
    font.Reset(CreateFontW(size.Height, size.Width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           SHIFTJIS_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                           ToWide(CaptionFace).c_str()));
  }
  return static_cast<HFONT>(font.Get());
}
