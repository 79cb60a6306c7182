#pragma once
// The keypad's timers. The keypad says when each starts and stops; the
// platform (a window timer, or virtual time in tests and the headless driver)
// says when one ticks, through TKeypadGestures::TimerTick.

enum class TKeypadTimer {
  DoubleClick,  // runs while a second press would be a double-click
  ListScroll,   // auto-repeat of a held "▲" or "▼"
  Accumulate,   // a press on a list item held this long accepts it as a prefix
  Idle,         // no release for this long starts the idle work
};
constexpr int KeypadTimerCount = 4;
constexpr int IdleTime = 30000;  // milliseconds

class TKeypadTimerHost {
 public:
  virtual ~TKeypadTimerHost() = default;
  // Ticks every milliseconds from now on; starting a running timer starts it
  // over from zero.
  virtual void StartTimer(TKeypadTimer timer, int milliseconds) = 0;
  virtual void StopTimer(TKeypadTimer timer) = 0;
};
