#pragma once
// Dwell: pressing without a button, for users who point but cannot click.
// Resting the pointer on a control for the dwell time presses it; the window
// paints the countdown on the control. Keys, vowels, grid cells, commands
// ("隠す" excepted: nothing would bring the keypad back) and "<" ">" are
// clicked; an item is selected and sent; an item's stem mark ("＋" at the
// right end of its row) accepts it as the stem of a phrase, as a long press
// does; the sponsor strip opens its page; "▲" and "▼" scroll once and then
// repeat at the scroll time while the pointer rests. A control that fired does
// not fire again until the pointer has left it ("▲" and "▼" excepted). The
// status bar, rested on twice as long, pauses dwell and resumes it. A pointer
// that strays no further than the tolerance from where it last was on the
// control still rests there.
//
// The pointer comes from the window's mouse moves and from its look at the
// pointer on every frame tick, so a pointer that left the window or a list
// that changed under it is seen without a move. Time is only what the ticks
// say. UI thread only; TKeypadGestures owns it and guards every call.
#include <optional>
#include <string>

#include "kirimo/shell/keypad_control.h"
#include "kirimo/shell/keypad_layout.h"
#include "kirimo/shell/keypad_timers.h"

class TKeypadModel;

struct TDwellTimings {
  int DwellTime = 0;     // milliseconds; 0: dwell is off
  int Tolerance = 0;     // pixels
  int ScrollTime = 100;  // the repeat of "▲" and "▼"
};

// The countdown the window paints: on Control, Permille of the way (1000
// while "▲" or "▼" repeats).
struct TDwellCountdown {
  TKeypadControl Control;
  int Permille = 0;
};

class TKeypadDwell {
 public:
  TKeypadDwell(TKeypadModel& model, TKeypadTimerSwitch& timers, TDwellTimings timings);
  TKeypadDwell(const TKeypadDwell&) = delete;
  TKeypadDwell& operator=(const TKeypadDwell&) = delete;

  // New timings (dwell switched on or off): whatever was counting stops, and
  // a pause ends.
  void Configure(TDwellTimings timings);

  bool On() const { return Timings.DwellTime > 0; }
  bool Paused() const { return IsPaused; }
  // The stem marks show, and are a control of their own, while dwell works.
  bool StemsShown() const { return On() && !IsPaused; }

  // The pointer is over control; point in the window's pixels, none when not known.
  void PointerAt(TKeypadControl control, std::optional<TPoint> point);
  // A mouse button went down on control: that is its press, no dwell follows.
  void Pressed(TKeypadControl control);
  // TKeypadTimer::Dwell and TKeypadTimer::DwellFrame.
  void Tick(TKeypadTimer timer);

  std::optional<TDwellCountdown> Countdown() const;
  // How many dwells have fired so far ("▲"/"▼" once for each rest).
  int FiredCount() const { return Fires; }

 private:
  enum class TPhase {
    Resting,    // on a control that takes no dwell
    Counting,   // the countdown runs
    Fired,      // pressed: nothing more until the pointer leaves
    Repeating,  // "▲" or "▼" scrolls at the scroll time
  };

  bool Dwellable(TKeypadControl control) const;
  bool Trembles(std::optional<TPoint> point) const;
  int Needed() const;
  void Begin(TKeypadControl control, std::optional<TPoint> point);
  void StartCountdown();
  void Frame();
  void Fire();
  void Act();
  // An item's text changed under the countdown: a new word, a new countdown.
  bool ItemChanged() const;
  void Repaint();

  TKeypadModel& Model;
  TKeypadTimerSwitch& Timers;
  TDwellTimings Timings;
  TKeypadControl Target;
  std::optional<TPoint> LastOnTarget;
  std::string TargetText;  // the item's text when its countdown began
  TPhase Phase = TPhase::Resting;
  int Elapsed = 0;  // milliseconds of the countdown, by frames
  bool IsPaused = false;
  int Fires = 0;
};
