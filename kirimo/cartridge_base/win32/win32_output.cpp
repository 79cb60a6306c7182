#include "kirimo/cartridge_base/win32/win32_output.h"

#include <string>

#include "common/cp932.h"
#include "kirimo/cartridge_base/ime_char_values.h"
#include "kirimo/cartridge_base/win32/win32_window_system.h"

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

// The failure of a message to another process: refused by a program with
// higher rights, or no answer (hung, or gone meanwhile).
TDeliveryProblem ProblemOf(HWND target, DWORD error) {
  if (error == ERROR_ACCESS_DENIED) return TDeliveryProblem::Refused;
  if (!IsWindow(target)) return TDeliveryProblem::NoTarget;
  return TDeliveryProblem::NotResponding;
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

void TWin32Output::Problem(TDeliveryProblem problem) const {
  if (!Report) return;
  try {
    Report(problem);
  } catch (...) {
  }
}

// The first character that cannot be delivered ends the text: the rest would
// only wait for the same hung target again.
void TWin32Output::SendText(std::string_view text) {
  try {
    if (text.empty()) return;
    HWND focus = FocusedWindow();
    if (focus == nullptr) return Problem(TDeliveryProblem::NoTarget);
    for (std::uint16_t value : ImeCharValues(text)) {
      for (char16_t unit : Utf16Of(value)) {
        DWORD_PTR answer = 0;
        SetLastError(ERROR_SUCCESS);
        if (SendMessageTimeoutW(focus, WM_IME_CHAR, unit, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                                SendTimeoutMilliseconds, &answer) == 0)
          return Problem(ProblemOf(focus, GetLastError()));
      }
    }
  } catch (...) {
  }
}

// Posted, not sent: the characters of a SendText just before reach the control
// as posted WM_CHARs (the default handling of WM_IME_CHAR), and a sent key
// would overtake them (a Left after "「」" would land before they are typed).
void TWin32Output::SendKeyDown(int code) {
  if (!IsVirtualKeyCode(code)) return;
  HWND focus = FocusedWindow();
  if (focus == nullptr) return Problem(TDeliveryProblem::NoTarget);
  if (!PostMessageW(focus, WM_KEYDOWN, code, 0)) Problem(ProblemOf(focus, GetLastError()));
}

void TWin32Output::PressKey(int code) {
  KeyEvent(code, 0);
  KeyEvent(code, KEYEVENTF_KEYUP);
}

void TWin32Output::HoldKey(int code) { KeyEvent(code, 0); }

void TWin32Output::ReleaseKey(int code) { KeyEvent(code, KEYEVENTF_KEYUP); }
