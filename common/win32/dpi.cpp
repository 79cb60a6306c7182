#include "common/win32/dpi.h"

#include "common/win32/handles.h"

namespace {

// Newer systems only: looked up at run time so the program still starts on older ones.
template <typename F>
F User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 == nullptr
             ? nullptr
             : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

int WindowDpi(HWND window) {
  using TGetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<TGetDpiForWindow>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : BaseDpi;
}

void DeclareDpiAware() {
  using TSetContext = BOOL(WINAPI*)(HANDLE);
  using TSetAware = BOOL(WINAPI*)();
  static const auto setContext = User32Function<TSetContext>("SetProcessDpiAwarenessContext");
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
  if (setContext != nullptr && setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))))
    return;
  static const auto setAware = User32Function<TSetAware>("SetProcessDPIAware");
  if (setAware != nullptr) setAware();
}
