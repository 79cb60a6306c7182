#include "kirimo/shell/win32/about_box.h"

#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"
#include "kirimo/shell/win32/cm_open_thread.h"
#include "kirimo/shell/win32/program_icon.h"

namespace {

constexpr COLORREF LinkColor = RGB(0, 80, 200);

}  // namespace

TModalWindow::TLayout TAboutBox::Layout() const {
  return {L"TAboutBox", "バージョン情報", 273, 196};
}

void TAboutBox::CreateControls() {
  TitleFont.Reset(CreateJapaneseFont("ＭＳ Ｐ明朝", -Scale(19), FW_BOLD));
  LOGFONTW underlined{};
  GetObjectW(DialogFont(), sizeof(underlined), &underlined);
  underlined.lfUnderline = TRUE;
  LinkFont.Reset(CreateFontIndirectW(&underlined));

  AddControl(L"STATIC", L"", SS_ETCHEDFRAME, 8, 8, 257, 145, -1);  // Panel1
  HWND icon = AddControl(L"STATIC", L"", SS_ICON | SS_REALSIZEIMAGE, 20, 20, 32, 32, -1);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon(Scale(32))), 0);
  AddControl(L"STATIC", ToWide("Ｋｉｒｉｍｏ"), SS_LEFT, 64, 20, 190, 26, -1,
             static_cast<HFONT>(TitleFont.Get()));
  AddControl(L"STATIC", ToWide("マウスだけで日本語を書くキーパッド"), SS_LEFT, 64, 50, 195, 16, -1);
  AddControl(L"STATIC", L"Version 1.0", SS_LEFT, 20, 80, 230, 16, -1);
  AddControl(L"STATIC", ToWide("Copyright (C) Kirimo の開発者たち"), SS_LEFT, 20, 100, 230, 16, -1);
  Link = AddControl(L"STATIC", ToWide("説明書 (README.txt) を開く"), SS_LEFT | SS_NOTIFY, 20, 122,
                    230, 16, LinkId, static_cast<HFONT>(LinkFont.Get()));
  HWND ok = AddControl(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 99, 162, 75, 25, IDOK);
  FocusControl(ok);
}

void TAboutBox::OnCommand(int id, int notification) {
  if (id == LinkId && notification == STN_CLICKED) {
    StartCMOpenThread(ReadmePath);
    return;
  }
  TModalWindow::OnCommand(id, notification);
}

LRESULT TAboutBox::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The hand over the link; the system puts the previous cursor back on leaving it.
  if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == Link) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Link) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, LinkColor);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return TModalWindow::OnOtherMessage(message, wParam, lParam);
}
