#pragma once
// Turns the mouse over the keypad into clicks, double-clicks, long presses on
// list items and auto-repeat of "▲" and "▼". The window feeds it the mouse
// messages (the disabled window reads them from set-cursor notifications) at
// the control the hit test found, and the ticks of the timers it asked for;
// time is only what the ticks say. While the window is usable itself
// (FormEnabled) only "隠す" takes clicks; while a dialog of the tray menu is
// open nothing does and no idle work starts. A press on the caption bar, the
// sizing border or the splitter makes the window usable and moves or sizes it
// at once; when that ends the window is disabled again unless this program is
// the active one. Every entry swallows what the controller throws, so the
// keypad keeps working. UI thread only.
#include <array>

#include "kirimo/shell/keypad_control.h"
#include "kirimo/shell/keypad_timers.h"

class TKeypadModel;

struct TKeypadTimings {
  int DoubleClickTime = 500;  // the system's
  int AcumulateTime = 500;    // a press on a list item held this long accepts it
  int ScrollTime = 100;       // auto-repeat interval of "▲" and "▼"
};

class TKeypadGestures {
 public:
  TKeypadGestures(TKeypadModel& model, TKeypadTimerHost& timers, TKeypadTimings timings);
  TKeypadGestures(const TKeypadGestures&) = delete;
  TKeypadGestures& operator=(const TKeypadGestures&) = delete;

  void MouseMove(TKeypadControl control);
  void MouseDown(TKeypadControl control);
  void MouseUp(TKeypadControl control);
  void TimerTick(TKeypadTimer timer);
  // The idle countdown starts over: when the window shows, after a tray command.
  void RestartIdle();
  // The move, size or splitter drag that a press began is over.
  // programActive: this program is the active application (then the window
  // stays usable, as the activation hook made it).
  void MoveSizeEnded(bool programActive);
  // A modal dialog of the tray menu opens or closes. Opening drops the held
  // button and stops the timers and the idle work; closing restarts the idle
  // countdown.
  void SetDialogOpen(bool open);

  // The button held down, shown with a lowered inner bevel; None for none.
  TKeypadControl PressedButton() const;
  bool IsRunning(TKeypadTimer timer) const { return Running[static_cast<int>(timer)]; }

 private:
  void Hover(TKeypadControl control);
  // Whether a mouse message at control counts in the present state.
  bool Takes(TKeypadControl control) const;
  void Press(TKeypadControl control);
  void Release(TKeypadControl control);
  void DoubleClick(TKeypadControl control);
  void RepeatTick();
  // Forgets the held panel, and the auto-repeat that came with it.
  void LetGo();
  void Start(TKeypadTimer timer, int milliseconds);
  void Stop(TKeypadTimer timer);
  void StopAll();
  template <typename TStep>
  void Guarded(TStep&& step);

  TKeypadModel& Model;
  TKeypadTimerHost& Timers;
  TKeypadTimings Timings;
  TKeypadControl PressedPanel;  // None while no panel is held
  bool RepeatArmed = false;
  std::array<bool, KeypadTimerCount> Running{};
};
