#include "kirimo/shell/keypad_manual_timers.h"

#include <algorithm>

void TManualKeypadTimers::StartTimer(TKeypadTimer timer, int milliseconds) {
  TEntry& entry = At(timer);
  // A zero interval would tick forever without time passing.
  entry.Interval = std::max(milliseconds, 1);
  entry.Due = Clock + entry.Interval;
  entry.Started = ++Starts;
  entry.Running = true;
}

void TManualKeypadTimers::StopTimer(TKeypadTimer timer) { At(timer).Running = false; }

bool TManualKeypadTimers::IsRunning(TKeypadTimer timer) const {
  return Timers[static_cast<int>(timer)].Running;
}

void TManualKeypadTimers::Advance(int milliseconds, const TTick& tick) {
  long long end = Clock + std::max(milliseconds, 0);
  for (;;) {
    int next = -1;
    for (int i = 0; i < KeypadTimerCount; ++i) {
      const TEntry& entry = Timers[i];
      if (!entry.Running || entry.Due > end) continue;
      if (next < 0 || entry.Due < Timers[next].Due ||
          (entry.Due == Timers[next].Due && entry.Started < Timers[next].Started)) {
        next = i;
      }
    }
    if (next < 0) break;
    TEntry& entry = Timers[next];
    Clock = entry.Due;
    entry.Due += entry.Interval;
    tick(static_cast<TKeypadTimer>(next));
  }
  Clock = end;
}
