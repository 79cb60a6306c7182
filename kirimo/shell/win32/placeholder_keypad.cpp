#include "kirimo/shell/win32/placeholder_keypad.h"

#include "common/win32/dpi.h"
#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"
#include "kirimo/shell/base/app_ini.h"
#include "kirimo/shell/win32/advertiser.h"
#include "kirimo/shell/win32/font_choice.h"

namespace {

constexpr UINT_PTR IdleTimer = 1;
constexpr int IdleMilliseconds = 30000;
constexpr int SponsorHeight = 16;

}  // namespace

TPlaceholderKeypad::TPlaceholderKeypad(const TKeypadServices& services) : Settings(services.Settings) {
  CreateBound({L"TSearchForm", 0, GetSysColorBrush(COLOR_BTNFACE)},
              WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
              WS_POPUP | WS_CAPTION | WS_THICKFRAME, L"Kirimo", Settings.Left, Settings.Top,
              Settings.Width, Settings.Height, services.Owner);
  Font.Reset(CreateListFont(Settings.ListFont, WindowDpi(Handle())));
  StripFont.Reset(CreateDialogFont(WindowDpi(Handle())));
  Controller = std::make_unique<TSearchFormController>(Form, services.MakeRevolver);
  ShowSponsor(Settings.CMVisible);
  SetGridMode(Settings.Use50Key);
}

TPlaceholderKeypad::~TPlaceholderKeypad() {
  Advertiser.reset();
  Controller.reset();
  Destroy();
}

bool TPlaceholderKeypad::IsShowing() const { return Handle() != nullptr && IsWindowVisible(Handle()); }

void TPlaceholderKeypad::Show() {
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  if (Advertiser) Advertiser->SetShowing(true);
  RestartIdle();
}

void TPlaceholderKeypad::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  if (Advertiser) Advertiser->SetShowing(false);
}

void TPlaceholderKeypad::SetKeypadEnabled(bool formEnabled) {
  Enabled = formEnabled;
  EnableWindow(Handle(), formEnabled);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TPlaceholderKeypad::SetGridMode(bool) {
  Controller->ClearKeys();
  Controller->ResetHistory();
  Controller->ResetIdle();
}

void TPlaceholderKeypad::ShowSponsor(bool visible) {
  Advertiser.reset();
  SponsorPanel.Reset();
  if (visible) {
    SponsorPanel.Reset(CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                       0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    Layout();
    Advertiser = std::make_unique<TAdvertiser>(Settings.CMFile);
    Advertiser->Attach(SponsorPanel.Get(), static_cast<HFONT>(StripFont.Get()));
    Advertiser->SetShowing(IsShowing());
  }
  Layout();
}

void TPlaceholderKeypad::ReloadUserDictionaries() {
  ShowStatus("ユーザー辞書リロード。。。");
  Controller->ReloadUserDictionaries();
  ShowStatus("");
}

void TPlaceholderKeypad::RebuildCartridges() {
  ShowStatus("拡張辞書リロード。。。");
  Controller->RebuildCartridges();
  ShowStatus("");
}

void TPlaceholderKeypad::SaveGeometry() {
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  Settings.SetTop(frame.top);
  Settings.SetLeft(frame.left);
  Settings.SetWidth(frame.right - frame.left);
  Settings.SetHeight(frame.bottom - frame.top);
}

void TPlaceholderKeypad::SaveTick() {
  Controller->SaveAll();
  SaveGeometry();
  Settings.SaveIfModified();
}

void TPlaceholderKeypad::StopIdle() { Controller->StopIdle(); }

void TPlaceholderKeypad::RestartIdle() { SetTimer(Handle(), IdleTimer, IdleMilliseconds, nullptr); }

void TPlaceholderKeypad::SetListFont(const TListFont& font) {
  Font.Reset(CreateListFont(font, WindowDpi(Handle())));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TPlaceholderKeypad::SetScrollInterval(int) {}

void TPlaceholderKeypad::ShowStatus(std::string_view text) {
  Status = text;
  InvalidateRect(Handle(), nullptr, TRUE);
  UpdateWindow(Handle());
}

void TPlaceholderKeypad::Close() {
  if (Handle() == nullptr) return;
  SaveGeometry();
  Settings.SaveAll();
  KillTimer(Handle(), IdleTimer);
  Controller->StopIdle();
  Advertiser.reset();
  Controller.reset();
  Destroy();
}

void TPlaceholderKeypad::Layout() {
  if (!SponsorPanel) return;
  RECT area{};
  GetClientRect(Handle(), &area);
  MoveWindow(SponsorPanel.Get(), 0, Scaled(Handle(), 2), area.right, Scaled(Handle(), SponsorHeight), TRUE);
  if (Advertiser) Advertiser->FitToPanel();
}

void TPlaceholderKeypad::Paint(HDC dc) {
  RECT area{};
  GetClientRect(Handle(), &area);
  TSelection font(dc, Font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(Enabled ? COLOR_INACTIVECAPTIONTEXT : COLOR_WINDOWTEXT));
  RECT body = area;
  body.top += Scaled(Handle(), 24);
  std::wstring note = ToWide("キーパッド画面は準備中です。\r\n(開発用の仮の画面)");
  DrawTextW(dc, note.c_str(), -1, &body, DT_CENTER | DT_WORDBREAK);
  RECT statusBar = area;
  statusBar.top = area.bottom - Scaled(Handle(), 20);
  DrawEdge(dc, &statusBar, BDR_SUNKENOUTER, BF_RECT);
  std::wstring status = ToWide(Status.empty() ? Form.Status.Text() : Status);
  statusBar.left += Scaled(Handle(), 4);
  DrawTextW(dc, status.c_str(), -1, &statusBar, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

LRESULT TPlaceholderKeypad::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      TPaintDc paint(Handle());
      Paint(paint.Get());
      return 0;
    }
    case WM_SIZE:
      Layout();
      InvalidateRect(Handle(), nullptr, TRUE);
      break;
    case WM_TIMER:
      if (wParam == IdleTimer) {
        KillTimer(Handle(), IdleTimer);
        Controller->IdleTick();
        return 0;
      }
      break;
    case WM_CLOSE:
      return 0;  // only the tray menu ends the program
  }
  return DefaultMessage(message, wParam, lParam);
}
