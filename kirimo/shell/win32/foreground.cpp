#include "kirimo/shell/win32/foreground.h"

namespace {

constexpr UINT AnswerTimeoutMs = 200;

}  // namespace

bool ForegroundAnswers() {
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return true;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  if (process == GetCurrentProcessId()) return true;
  if (IsHungAppWindow(foreground)) return false;
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(foreground, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             AnswerTimeoutMs, &ignored) != 0;
}

bool BringToForeground(HWND window) {
  if (window == nullptr || !ForegroundAnswers()) return false;
  return SetForegroundWindow(window) != FALSE;
}

bool ThisProgramIsActive() {
  HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground != nullptr) GetWindowThreadProcessId(foreground, &process);
  return foreground != nullptr && process == GetCurrentProcessId();
}
