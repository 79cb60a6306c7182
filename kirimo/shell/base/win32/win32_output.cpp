#include "kirimo/shell/base/win32/win32_output.h"

#include <string>

#include "common/cp932.h"
#include "kirimo/shell/base/ime_char_values.h"
#include "kirimo/shell/base/win32/win32_window_system.h"

namespace {

// The UTF-16 form of one value: WM_IME_CHAR through the W function arrives
// intact whatever the system's code page is. A line break is one CR, which a
// multi-line edit control turns into CR LF.
std::u16string Utf16Of(std::uint16_t value) {
  if (value == LineBreakValue) return u"\r";
  std::string bytes;
  if (value > 0xFF) bytes += static_cast<char>(value >> 8);
  bytes += static_cast<char>(value & 0xFF);
  return Cp932ToUtf16(bytes);
}

void KeyEvent(int code, DWORD flags) {
  if (IsVirtualKeyCode(code)) keybd_event(static_cast<BYTE>(code), 0, flags, 0);
}

}  // namespace

HWND TWin32Output::FocusedWindow() const {
  HWND focus = GetFocus();
  if (focus != nullptr || Tracker == nullptr) return focus;
  HWND target = ToHwnd(Tracker->TargetWindow());
  if (target == nullptr) return nullptr;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void TWin32Output::SendText(std::string_view text) {
  try {
    HWND focus = FocusedWindow();
    if (focus == nullptr) return;
    for (std::uint16_t value : ImeCharValues(text)) {
      for (char16_t unit : Utf16Of(value)) SendMessageW(focus, WM_IME_CHAR, unit, 0);
    }
  } catch (...) {
  }
}

// Posted, not sent: the characters of a SendText just before reach the control
// as posted WM_CHARs (the default handling of WM_IME_CHAR), and a sent key
// would overtake them (a Left after "「」" would land before they are typed).
void TWin32Output::SendKeyDown(int code) {
  HWND focus = FocusedWindow();
  if (focus != nullptr && IsVirtualKeyCode(code)) PostMessageW(focus, WM_KEYDOWN, code, 0);
}

void TWin32Output::PressKey(int code) {
  KeyEvent(code, 0);
  KeyEvent(code, KEYEVENTF_KEYUP);
}

void TWin32Output::HoldKey(int code) { KeyEvent(code, 0); }

void TWin32Output::ReleaseKey(int code) { KeyEvent(code, KEYEVENTF_KEYUP); }
