#pragma once
// The output operations on Win32: text as input-method characters and key-down
// messages to the focused control of the target, key presses as synthesised
// keyboard input to the foreground application.
#include <windows.h>

#include "kirimo/shell/base/output_operations.h"
#include "kirimo/shell/base/target_tracker.h"

class TWin32Output : public TOutputOperations {
 public:
  // tracker (optional, outlives this) names the target for calls from threads
  // other than the UI thread, where GetFocus knows no focus.
  explicit TWin32Output(const TTargetTracker* tracker = nullptr) : Tracker(tracker) {}

  void SendText(std::string_view text) override;
  void SendKeyDown(int code) override;
  void PressKey(int code) override;
  void HoldKey(int code) override;
  void ReleaseKey(int code) override;

 private:
  HWND FocusedWindow() const;

  const TTargetTracker* Tracker;
};
