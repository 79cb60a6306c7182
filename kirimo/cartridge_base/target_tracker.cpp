#include "kirimo/cartridge_base/target_tracker.h"

bool TTargetTracker::Step(bool keypadShowing) {
  if (!keypadShowing) {
    Stop();
    return false;
  }
  TWindowHandle foreground = Windows.ForegroundWindow();
  // No foreground window is a moment between two activations, not a new target.
  if (foreground == 0 || foreground == Target.load() || Windows.BelongsToThisProgram(foreground)) {
    return true;
  }
  Stop();
  if (Windows.IsEnabled(foreground)) {
    TWindowHandle bridge = Windows.CreateBridge(foreground);
    if (bridge != 0) {
      Bridge.store(bridge);
      Target.store(foreground);
    }
  }
  return true;
}

void TTargetTracker::Stop() {
  if (TWindowHandle bridge = Bridge.exchange(0)) Windows.DestroyBridge(bridge);
  Target.store(0);
}
