#include "kirimo/shell/win32/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "common/win32/wide_text.h"

bool TTrayIcon::Add(HWND window, HICON icon, std::string_view tip) {
  Data = {};
  Data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  Data.hWnd = window;
  Data.uID = 1;
  Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  Data.uCallbackMessage = CallbackMessage;
  Data.hIcon = icon;
  std::wstring text = ToWide(tip);
  text.resize(std::min<std::size_t>(text.size(), 63));
  std::copy(text.begin(), text.end(), Data.szTip);
  return Readd();
}

bool TTrayIcon::Readd() {
  if (Data.hWnd == nullptr) return false;
  Added = Shell_NotifyIconW(NIM_ADD, &Data) != FALSE;
  return Added;
}

void TTrayIcon::Remove() {
  if (!Added) return;
  NOTIFYICONDATAW removal = Data;
  removal.uFlags = 0;
  Shell_NotifyIconW(NIM_DELETE, &removal);
  Added = false;
}

UINT TTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}
