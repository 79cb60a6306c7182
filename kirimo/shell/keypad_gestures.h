#pragma once
// Turns the mouse over the keypad into clicks, double-clicks, long presses on
// list items, auto-repeat of "▲" and "▼", and dwell (TKeypadDwell) while it
// is on. The window feeds it the mouse messages (the disabled window reads
// them from set-cursor notifications) at the control the hit test found, and
// the ticks of the timers it asked for; time is only what the ticks say. While
// the window is usable itself (FormEnabled) only "隠す" takes clicks and
// nothing dwells; while a dialog of the tray menu is open nothing does and no
// idle work starts. A press on the caption bar, the sizing border or the
// splitter makes the window usable and moves or sizes it at once; when that
// ends the window is disabled again unless this program is the active one.
// Every entry swallows what the controller throws, so the
// keypad keeps working. UI thread only.
#include <optional>

#include "kirimo/shell/keypad_control.h"
#include "kirimo/shell/keypad_dwell.h"
#include "kirimo/shell/keypad_layout.h"
#include "kirimo/shell/keypad_timers.h"

class TKeypadModel;

struct TKeypadTimings {
  int DoubleClickTime = 500;  // the system's
  int AcumulateTime = 500;    // a press on a list item held this long accepts it
  int ScrollTime = 100;       // auto-repeat interval of "▲" and "▼"
  int DwellTime = 0;          // resting this long presses; 0: dwell is off
  int DwellTolerance = 0;     // pixels a resting pointer may stray
};

class TKeypadGestures {
 public:
  TKeypadGestures(TKeypadModel& model, TKeypadTimerHost& timers, TKeypadTimings timings);
  TKeypadGestures(const TKeypadGestures&) = delete;
  TKeypadGestures& operator=(const TKeypadGestures&) = delete;

  // point: where the pointer is, in the window's pixels, when known.
  void MouseMove(TKeypadControl control, std::optional<TPoint> point = std::nullopt);
  void MouseDown(TKeypadControl control);
  void MouseUp(TKeypadControl control);
  // Where the pointer is, looked at without a move (on every dwell frame): for dwell only.
  void PointerAt(TKeypadControl control, std::optional<TPoint> point = std::nullopt);
  void TimerTick(TKeypadTimer timer);
  // The idle countdown starts over: when the window shows, after a tray command.
  void RestartIdle();
  // Dwell switched on (milliseconds) or off (0), from the tray menu.
  void SetDwell(int dwellTime, int tolerance);
  // The move, size or splitter drag that a press began is over.
  // programActive: this program is the active application (then the window
  // stays usable, as the activation hook made it).
  void MoveSizeEnded(bool programActive);
  // A modal dialog of the tray menu opens or closes. Opening drops the held
  // button and stops the timers, a dwell countdown and the idle work; closing
  // restarts the idle countdown.
  void SetDialogOpen(bool open);

  // The button held down, shown with a lowered inner bevel; None for none.
  TKeypadControl PressedButton() const;
  bool IsRunning(TKeypadTimer timer) const { return Timers.IsRunning(timer); }
  const TKeypadDwell& Dwell() const { return Dwelling; }

 private:
  void Hover(TKeypadControl control);
  // Whether a mouse message at control counts in the present state.
  bool Takes(TKeypadControl control) const;
  // Dwell watches the pointer: the window is disabled and no dialog is open.
  bool Dwells() const;
  void Press(TKeypadControl control);
  void Release(TKeypadControl control);
  void DoubleClick(TKeypadControl control);
  void RepeatTick();
  // Forgets the held panel, and the auto-repeat that came with it.
  void LetGo();
  TDwellTimings DwellTimings() const;
  template <typename TStep>
  void Guarded(TStep&& step);

  TKeypadModel& Model;
  TKeypadTimerSwitch Timers;
  TKeypadTimings Timings;
  TKeypadControl PressedPanel;  // None while no panel is held
  bool RepeatArmed = false;
  TKeypadDwell Dwelling;
};
