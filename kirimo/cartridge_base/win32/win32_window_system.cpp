#include "kirimo/cartridge_base/win32/win32_window_system.h"

namespace {

constexpr wchar_t BridgeClass[] = L"TParasiticForm";

// The bridge only has to exist; it handles nothing itself.
ATOM RegisterBridgeClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = BridgeClass;
  return RegisterClassExW(&windowClass);
}

}  // namespace

TWindowHandle TWin32WindowSystem::ForegroundWindow() { return ToHandle(GetForegroundWindow()); }

bool TWin32WindowSystem::IsEnabled(TWindowHandle window) {
  return IsWindowEnabled(ToHwnd(window)) != FALSE;
}

bool TWin32WindowSystem::BelongsToThisProgram(TWindowHandle window) {
  DWORD process = 0;
  GetWindowThreadProcessId(ToHwnd(window), &process);
  return process == GetCurrentProcessId();
}

TWindowHandle TWin32WindowSystem::CreateBridge(TWindowHandle target) {
  static const ATOM registered = RegisterBridgeClass();
  HWND top = GetAncestor(ToHwnd(target), GA_ROOT);
  if (registered == 0 || top == nullptr) return 0;
  // No parent notifications: they are sent and wait for the target, which
  // may not answer.
  HWND bridge = CreateWindowExW(WS_EX_NOPARENTNOTIFY, BridgeClass, L"ParasiticForm", WS_CHILD, 0, 0,
                                223, 93, top, nullptr, GetModuleHandleW(nullptr), nullptr);
  return ToHandle(bridge);
}

void TWin32WindowSystem::DestroyBridge(TWindowHandle bridge) {
  // The target may have taken its child with it when it closed.
  if (IsWindow(ToHwnd(bridge))) DestroyWindow(ToHwnd(bridge));
}
