#include "kirimo/shell/win32/font_choice.h"

#include <commdlg.h>

#include <algorithm>

#include "common/win32/dpi.h"
#include "common/win32/wide_text.h"

namespace {

// Stored colours may name a system colour (0xFF0000nn) as the settings file has them.
COLORREF ColorOf(int stored) {
  auto value = static_cast<unsigned>(stored);
  if ((value & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(value & 0xFFu));
  return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

LOGFONTW LogFontOf(const TListFont& font, int dpi) {
  LOGFONTW log{};
  log.lfHeight = FontHeightForPoints(font.Size, dpi);
  log.lfWeight = font.Styles.Bold ? FW_BOLD : FW_NORMAL;
  log.lfItalic = font.Styles.Italic;
  log.lfUnderline = font.Styles.Underline;
  log.lfStrikeOut = font.Styles.StrikeOut;
  log.lfCharSet = static_cast<BYTE>(font.Charset);
  std::wstring name = ToWide(font.Name);
  name.resize(std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
  std::copy(name.begin(), name.end(), log.lfFaceName);
  return log;
}

}  // namespace

HFONT CreateListFont(const TListFont& font, int dpi) {
  LOGFONTW log = LogFontOf(font, dpi);
  return CreateFontIndirectW(&log);
}

bool ChooseListFont(HWND owner, TListFont& font) {
  LOGFONTW log = LogFontOf(font, WindowDpi(owner));
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &log;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = ColorOf(font.Color);
  if (!ChooseFontW(&dialog)) return false;
  font.Name = FromWide(log.lfFaceName);
  font.Size = dialog.iPointSize / 10;
  font.Styles.Bold = log.lfWeight >= FW_BOLD;
  font.Styles.Italic = log.lfItalic != 0;
  font.Styles.Underline = log.lfUnderline != 0;
  font.Styles.StrikeOut = log.lfStrikeOut != 0;
  font.Color = static_cast<int>(dialog.rgbColors);
  font.Charset = log.lfCharSet;
  return true;
}
