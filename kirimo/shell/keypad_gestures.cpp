#include "kirimo/shell/keypad_gestures.h"

#include "kirimo/shell/keypad_commands.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"

TKeypadGestures::TKeypadGestures(TKeypadModel& model, TKeypadTimerHost& timers,
                                 TKeypadTimings timings)
    : Model(model), Timers(timers), Timings(timings) {}

template <typename TStep>
void TKeypadGestures::Guarded(TStep&& step) {
  try {
    step();
  } catch (...) {
    // A failing controller call must not stop the keypad.
  }
}

bool TKeypadGestures::Takes(TKeypadControl control) const {
  if (Model.DialogOpen()) return false;
  // The usable window moves and sizes itself; of its buttons only "隠す" works.
  return !Model.FormEnabled() || control.Part == TKeypadPart::Hide;
}

void TKeypadGestures::MouseMove(TKeypadControl control) {
  if (Model.DialogOpen()) return;
  Guarded([&] { Hover(control); });
  Stop(TKeypadTimer::DoubleClick);
}

void TKeypadGestures::MouseDown(TKeypadControl control) {
  if (!Takes(control)) return;
  Guarded([&] {
    Model.Controller().StopIdle();
    Press(control);
    if (IsRunning(TKeypadTimer::DoubleClick)) {
      Stop(TKeypadTimer::DoubleClick);
      DoubleClick(control);
    }
  });
}

void TKeypadGestures::MouseUp(TKeypadControl control) {
  // While the window is usable only a press on "隠す" has a release to finish.
  if (Model.DialogOpen() || (Model.FormEnabled() && !(PressedPanel.Part == TKeypadPart::Hide)))
    return;
  Guarded([&] {
    TBusyCursor busy(Model.Window());
    Release(control);
  });
  Start(TKeypadTimer::DoubleClick, Timings.DoubleClickTime);
  RestartIdle();
}

void TKeypadGestures::TimerTick(TKeypadTimer timer) {
  // A tick already queued when its timer stopped is stale.
  if (!IsRunning(timer)) return;
  Guarded([&] {
    switch (timer) {
      case TKeypadTimer::DoubleClick:
        Stop(timer);
        break;
      case TKeypadTimer::ListScroll:
        RepeatTick();
        break;
      case TKeypadTimer::Accumulate:
        Stop(timer);
        Model.AcceptSelection();
        break;
      case TKeypadTimer::Idle:
        Stop(timer);
        if (!Model.DialogOpen()) Model.Controller().IdleTick();
        break;
    }
  });
}

void TKeypadGestures::RestartIdle() {
  if (!Model.DialogOpen()) Start(TKeypadTimer::Idle, IdleTime);
}

void TKeypadGestures::MoveSizeEnded(bool programActive) {
  Guarded([&] { Model.SetKeypadEnabled(programActive); });
}

void TKeypadGestures::SetDialogOpen(bool open) {
  Guarded([&] {
    if (open) {
      LetGo();
      StopAll();
      Model.Controller().StopIdle();
    }
    Model.SetDialogOpen(open);
    Model.Window().Repaint(RepaintBevels);
  });
  if (!open) RestartIdle();
}

TKeypadControl TKeypadGestures::PressedButton() const {
  return HasClickHandler(PressedPanel) ? PressedPanel : TKeypadControl{};
}

void TKeypadGestures::Hover(TKeypadControl control) {
  // Sliding off a button cancels its click.
  if (IsPanel(control) && IsPanel(PressedPanel) && !(PressedPanel == control)) {
    LetGo();
    Model.Window().Repaint(RepaintBevels);
  }
}

void TKeypadGestures::Press(TKeypadControl control) {
  if (control.Part == TKeypadPart::Sponsor) return;
  if (IsPanel(control)) {
    // A release lost outside the window left the last button held.
    if (IsPanel(PressedPanel)) LetGo();
    PressedPanel = control;
    if (HasClickHandler(control)) Model.Window().Repaint(RepaintBevels);
    if (IsScrollButton(control)) {
      RepeatArmed = false;
      Start(TKeypadTimer::ListScroll, Timings.ScrollTime);
    }
  } else if (IsWindowChrome(control)) {
    // Usable, and moving or sizing from this very press: nothing is activated,
    // so no deactivation follows, and MoveSizeEnded disables it again.
    Model.SetKeypadEnabled(true);
    Model.Window().BeginMoveSize(control);
  } else if (control.Part == TKeypadPart::ListBox && control.Index >= 0) {
    Model.PressItem(control.Index);
    Start(TKeypadTimer::Accumulate, Timings.AcumulateTime);
  }
}

void TKeypadGestures::Release(TKeypadControl control) {
  if (IsPanel(control)) {
    if (!IsPanel(PressedPanel)) return;
    TKeypadControl button = PressedPanel;
    LetGo();
    if (!HasClickHandler(button)) return;
    Model.Window().Repaint(RepaintBevels);
    Model.Click(button);
  } else if (control.Part == TKeypadPart::ListBox) {
    // Not running: the long press has fired and this release does nothing.
    if (!IsRunning(TKeypadTimer::Accumulate)) return;
    Stop(TKeypadTimer::Accumulate);
    if (control.Index >= 0) Model.SelectItem(control.Index);
  }
}

void TKeypadGestures::DoubleClick(TKeypadControl control) {
  if (control.Part == TKeypadPart::Sponsor) Model.Window().OpenSponsorPage();
}

void TKeypadGestures::RepeatTick() {
  // The first tick only arms the repeat, so a short click scrolls one line.
  if (!RepeatArmed) {
    RepeatArmed = true;
  } else if (PressedPanel.Part == TKeypadPart::ListUp) {
    Model.ScrollUp();
  } else if (PressedPanel.Part == TKeypadPart::ListDown) {
    Model.ScrollDown();
  }
}

void TKeypadGestures::LetGo() {
  if (IsScrollButton(PressedPanel)) {
    Stop(TKeypadTimer::ListScroll);
    RepeatArmed = false;
  }
  PressedPanel = {};
}

void TKeypadGestures::Start(TKeypadTimer timer, int milliseconds) {
  Running[static_cast<int>(timer)] = true;
  Timers.StartTimer(timer, milliseconds);
}

void TKeypadGestures::Stop(TKeypadTimer timer) {
  Running[static_cast<int>(timer)] = false;
  Timers.StopTimer(timer);
}

void TKeypadGestures::StopAll() {
  for (int timer = 0; timer < KeypadTimerCount; ++timer) Stop(static_cast<TKeypadTimer>(timer));
}
