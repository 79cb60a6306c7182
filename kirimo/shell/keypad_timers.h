#pragma once
// The keypad's timers. The keypad says when each starts and stops; the
// platform (a window timer, or virtual time in tests and the headless driver)
// says when one ticks, through TKeypadGestures::TimerTick.

enum class TKeypadTimer {
  DoubleClick,  // runs while a second press would be a double-click
  ListScroll,   // auto-repeat of a held "▲" or "▼"
  Accumulate,   // a press on a list item held this long accepts it as a prefix
  Idle,         // no release for this long starts the idle work
  Dwell,        // the pointer rested on a control this long: it is pressed
  DwellFrame,   // while dwell is on: the countdown's next frame, the pointer looked at
};
constexpr int KeypadTimerCount = 6;
constexpr int IdleTime = 30000;  // milliseconds
constexpr int DwellFrameTime = 50;

class TKeypadTimerHost {
 public:
  virtual ~TKeypadTimerHost() = default;
  // Ticks every milliseconds from now on; starting a running timer starts it
  // over from zero.
  virtual void StartTimer(TKeypadTimer timer, int milliseconds) = 0;
  virtual void StopTimer(TKeypadTimer timer) = 0;
};

// The timers as the keypad sees them: which it started and has not stopped
// since, so that a tick already queued when its timer stopped is known stale.
class TKeypadTimerSwitch {
 public:
  explicit TKeypadTimerSwitch(TKeypadTimerHost& host) : Host(host) {}
  TKeypadTimerSwitch(const TKeypadTimerSwitch&) = delete;
  TKeypadTimerSwitch& operator=(const TKeypadTimerSwitch&) = delete;

  void Start(TKeypadTimer timer, int milliseconds) {
    Running[static_cast<int>(timer)] = true;
    Host.StartTimer(timer, milliseconds);
  }
  void Stop(TKeypadTimer timer) {
    Running[static_cast<int>(timer)] = false;
    Host.StopTimer(timer);
  }
  bool IsRunning(TKeypadTimer timer) const { return Running[static_cast<int>(timer)]; }

 private:
  TKeypadTimerHost& Host;
  std::array<bool, KeypadTimerCount> Running{};
};
