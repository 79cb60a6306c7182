#pragma once
// The window system the target tracker asks, on Win32, and the bridge window:
// a hidden child of the target's top-level window, so this program's UI thread
// shares the target's input state and GetFocus names the target's control.
#include <windows.h>

#include "kirimo/cartridge_base/target_tracker.h"

inline HWND ToHwnd(TWindowHandle window) { return reinterpret_cast<HWND>(window); }
inline TWindowHandle ToHandle(HWND window) { return reinterpret_cast<TWindowHandle>(window); }

class TWin32WindowSystem : public TWindowSystem {
 public:
  TWindowHandle ForegroundWindow() override;
  bool IsEnabled(TWindowHandle window) override;
  bool BelongsToThisProgram(TWindowHandle window) override;
  TWindowHandle CreateBridge(TWindowHandle target) override;
  void DestroyBridge(TWindowHandle bridge) override;
};
