#pragma once
// Keeps track of the target window, the application that gets the output:
// the last enabled foreground window outside this program. A hidden bridge
// window is attached to every new target (re-created, never moved) so the
// program shares the target's input state.
#include <atomic>
#include <cstdint>

using TWindowHandle = std::uintptr_t;  // 0 is no window

// What the tracker asks of the window system.
class TWindowSystem {
 public:
  virtual ~TWindowSystem() = default;
  virtual TWindowHandle ForegroundWindow() = 0;
  virtual bool IsEnabled(TWindowHandle window) = 0;
  // Windows of this program (keypad, main window, dialogs, the bridge).
  virtual bool BelongsToThisProgram(TWindowHandle window) = 0;
  // A hidden child of target's top-level window; 0 when it cannot be made.
  virtual TWindowHandle CreateBridge(TWindowHandle target) = 0;
  virtual void DestroyBridge(TWindowHandle bridge) = 0;
};

class TTargetTracker {
 public:
  explicit TTargetTracker(TWindowSystem& windows) : Windows(windows) {}
  ~TTargetTracker() { Stop(); }
  TTargetTracker(const TTargetTracker&) = delete;
  TTargetTracker& operator=(const TTargetTracker&) = delete;

  // One tick of the tracking timer. Returns false once the keypad is hidden:
  // the bridge is gone and the timer should stop.
  bool Step(bool keypadShowing);
  // No target and no bridge.
  void Stop();

  // Readable from any thread (the output operations of the workers ask).
  TWindowHandle TargetWindow() const { return Target.load(); }
  TWindowHandle BridgeWindow() const { return Bridge.load(); }

 private:
  TWindowSystem& Windows;
  std::atomic<TWindowHandle> Target{0};
  std::atomic<TWindowHandle> Bridge{0};
};
