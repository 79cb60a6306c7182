#include "kirimo/shell/win32/keypad_automation.h"

#include <string>

#include "common/win32/wide_text.h"

UINT KeypadAutomationMessage() { return RegisterWindowMessageW(L"Kirimo.DescribeKeypad"); }

void SendTextTo(HWND requester, std::string_view text) {
  const std::wstring wide = ToWide(text);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  COPYDATASTRUCT data{0, static_cast<DWORD>(utf8.size()), utf8.data()};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(requester, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                      2000, &ignored);
}
