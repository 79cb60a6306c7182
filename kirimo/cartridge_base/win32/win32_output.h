#pragma once
// The output operations on Win32: text as input-method characters and key-down
// messages to the focused control of the target, key presses as synthesised
// keyboard input to the foreground application.
#include <windows.h>

#include <functional>

#include "kirimo/cartridge_base/delivery_problem.h"
#include "kirimo/cartridge_base/output_operations.h"
#include "kirimo/cartridge_base/target_tracker.h"

// Text is sent with a bounded wait: a hung or closed target never freezes the
// caller (a worker or the UI thread), and what could not be delivered is
// reported instead of lost silently.
class TWin32Output : public TOutputOperations {
 public:
  // How long one character may wait for the target.
  static constexpr UINT SendTimeoutMilliseconds = 1000;
  // Called on the calling thread (often a worker): it must not wait for the UI thread.
  using TProblemReport = std::function<void(TDeliveryProblem)>;

  // tracker (optional, outlives this) names the target for calls from threads
  // other than the UI thread, where GetFocus knows no focus.
  explicit TWin32Output(const TTargetTracker* tracker = nullptr, TProblemReport report = nullptr)
      : Tracker(tracker), Report(std::move(report)) {}

  void SendText(std::string_view text) override;
  void SendKeyDown(int code) override;
  void PressKey(int code) override;
  void HoldKey(int code) override;
  void ReleaseKey(int code) override;

 private:
  HWND FocusedWindow() const;
  void Problem(TDeliveryProblem problem) const;

  const TTargetTracker* Tracker;
  TProblemReport Report;
};
