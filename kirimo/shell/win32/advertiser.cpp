#include "kirimo/shell/win32/advertiser.h"

#include <random>

#include "common/win32/wide_text.h"
#include "kirimo/shell/sponsor_file.h"
#include "kirimo/shell/win32/cm_open_thread.h"

namespace {

constexpr UINT_PTR ScrollTimer = 1;

int RandomIndex() {
  std::random_device seed;
  return static_cast<int>(seed() & 0x7FFFFFFF);
}

}  // namespace

TAdvertiser::TAdvertiser(std::string_view sponsorFile)
    : Strip(ReadSponsorFile(sponsorFile), RandomIndex()) {}

TAdvertiser::~TAdvertiser() { Destroy(); }

bool TAdvertiser::Attach(HWND panel, HFONT font) {
  Font = font;
  RECT area{};
  GetClientRect(panel, &area);
  if (!CreateBound({L"TCMPaintBox", CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE)}, 0,
                   WS_CHILD | WS_VISIBLE, L"", 0, 0, area.right, area.bottom, panel))
    return false;
  Strip.Attach(ClientWidth());
  SetShowing(true);
  return true;
}

void TAdvertiser::SetFont(HFONT font) {
  Font = font;
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
}

void TAdvertiser::FitToPanel() {
  if (Handle() == nullptr) return;
  RECT area{};
  GetClientRect(GetParent(Handle()), &area);
  MoveWindow(Handle(), 0, 0, area.right, area.bottom, TRUE);
}

void TAdvertiser::SetShowing(bool showing) {
  if (Handle() == nullptr) return;
  if (showing)
    SetTimer(Handle(), ScrollTimer, TSponsorScroll::TickMilliseconds, nullptr);
  else
    KillTimer(Handle(), ScrollTimer);
}

void TAdvertiser::OpenPage() const {
  if (auto page = Strip.Page()) StartCMOpenThread(*page);
}

HGDIOBJ TAdvertiser::StripFont() const {
  return Font != nullptr ? static_cast<HGDIOBJ>(Font) : GetStockObject(DEFAULT_GUI_FONT);
}

int TAdvertiser::ClientWidth() const {
  RECT area{};
  GetClientRect(Handle(), &area);
  return area.right;
}

void TAdvertiser::Draw(HDC dc) const {
  RECT area{};
  GetClientRect(Handle(), &area);
  TSelection font(dc, StripFont());
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  std::wstring text = ToWide(Strip.Text());
  ExtTextOutW(dc, Strip.X(), TSponsorScroll::TextTop, ETO_CLIPPED | ETO_OPAQUE, &area, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

LRESULT TAdvertiser::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      TPaintDc paint(Handle());
      Draw(paint.Get());
      return 0;
    }
    case WM_TIMER: {
      if (wParam != ScrollTimer) break;
      TWindowDc dc(Handle());
      Draw(dc.Get());
      TSelection font(dc.Get(), StripFont());
      std::wstring text = ToWide(Strip.Text());
      SIZE extent{};
      GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
      Strip.Advance(extent.cx, ClientWidth());
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      OpenPage();
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefaultMessage(message, wParam, lParam);
}
