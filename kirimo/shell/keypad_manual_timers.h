#pragma once
// Keypad timers on virtual time that passes only when asked: deterministic
// timing for tests and the headless driver.
#include <array>
#include <functional>

#include "kirimo/shell/keypad_timers.h"

class TManualKeypadTimers : public TKeypadTimerHost {
 public:
  using TTick = std::function<void(TKeypadTimer)>;

  void StartTimer(TKeypadTimer timer, int milliseconds) override;
  void StopTimer(TKeypadTimer timer) override;

  // Lets milliseconds pass, calling tick for each timer as it falls due, in
  // time order (timers due at once in the order they were started).
  void Advance(int milliseconds, const TTick& tick);
  bool IsRunning(TKeypadTimer timer) const;
  long long Now() const { return Clock; }

 private:
  struct TEntry {
    bool Running = false;
    int Interval = 0;
    long long Due = 0;
    long long Started = 0;
  };
  TEntry& At(TKeypadTimer timer) { return Timers[static_cast<int>(timer)]; }

  std::array<TEntry, KeypadTimerCount> Timers;
  long long Clock = 0;
  long long Starts = 0;
};
