#include "kirimo/shell/keypad_gestures.h"

#include "kirimo/shell/keypad_commands.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"

TKeypadGestures::TKeypadGestures(TKeypadModel& model, TKeypadTimerHost& timers,
                                 TKeypadTimings timings)
    : Model(model), Timers(timers), Timings(timings), Dwelling(model, Timers, DwellTimings()) {}

TDwellTimings TKeypadGestures::DwellTimings() const {
  return {Timings.DwellTime, Timings.DwellTolerance, Timings.ScrollTime};
}

void TKeypadGestures::SetDwell(int dwellTime, int tolerance) {
  Timings.DwellTime = dwellTime;
  Timings.DwellTolerance = tolerance;
  Guarded([&] { Dwelling.Configure(DwellTimings()); });
}

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

bool TKeypadGestures::Dwells() const { return !Model.DialogOpen() && !Model.FormEnabled(); }

void TKeypadGestures::MouseMove(TKeypadControl control, std::optional<TPoint> point) {
  if (Model.DialogOpen()) return;
  Guarded([&] {
    Hover(control);
    if (Dwells()) Dwelling.PointerAt(control, point);
  });
  Timers.Stop(TKeypadTimer::DoubleClick);
}

void TKeypadGestures::PointerAt(TKeypadControl control, std::optional<TPoint> point) {
  if (!Dwells()) return;
  Guarded([&] { Dwelling.PointerAt(control, point); });
}

void TKeypadGestures::MouseDown(TKeypadControl control) {
  if (!Takes(control)) return;
  Guarded([&] {
    Model.Controller().StopIdle();
    Dwelling.Pressed(control);
    Press(control);
    if (IsRunning(TKeypadTimer::DoubleClick)) {
      Timers.Stop(TKeypadTimer::DoubleClick);
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
  Timers.Start(TKeypadTimer::DoubleClick, Timings.DoubleClickTime);
  RestartIdle();
}

void TKeypadGestures::TimerTick(TKeypadTimer timer) {
  // A tick already queued when its timer stopped is stale.
  if (!IsRunning(timer)) return;
  Guarded([&] {
    switch (timer) {
      case TKeypadTimer::DoubleClick:
        Timers.Stop(timer);
        break;
      case TKeypadTimer::ListScroll:
        RepeatTick();
        break;
      case TKeypadTimer::Accumulate:
        Timers.Stop(timer);
        Model.LongPressItem();
        break;
      case TKeypadTimer::Idle:
        Timers.Stop(timer);
        if (!Model.DialogOpen()) Model.Controller().IdleTick();
        break;
      case TKeypadTimer::Dwell:
      case TKeypadTimer::DwellFrame:
        if (Dwells()) Dwelling.Tick(timer);
        break;
    }
  });
}

void TKeypadGestures::RestartIdle() {
  if (!Model.DialogOpen()) Timers.Start(TKeypadTimer::Idle, IdleTime);
}

void TKeypadGestures::MoveSizeEnded(bool programActive) {
  Guarded([&] { Model.SetKeypadEnabled(programActive); });
}

void TKeypadGestures::SetDialogOpen(bool open) {
  Guarded([&] {
    if (open) {
      LetGo();
      for (TKeypadTimer timer : {TKeypadTimer::DoubleClick, TKeypadTimer::ListScroll,
                                 TKeypadTimer::Accumulate, TKeypadTimer::Idle}) {
        Timers.Stop(timer);
      }
      // As if the pointer had left: a countdown under way stops.
      Dwelling.PointerAt({}, std::nullopt);
      Model.Controller().StopIdle();
    }
    Model.SetDialogOpen(open);
    Model.Window().Repaint();
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
    Model.Window().Repaint();
  }
}

void TKeypadGestures::Press(TKeypadControl control) {
  if (control.Part == TKeypadPart::Sponsor) return;
  if (IsPanel(control)) {
    // A release lost outside the window left the last button held.
    if (IsPanel(PressedPanel)) LetGo();
    PressedPanel = control;
    if (HasClickHandler(control)) Model.Window().Repaint();
    if (IsScrollButton(control)) {
      RepeatArmed = false;
      Timers.Start(TKeypadTimer::ListScroll, Timings.ScrollTime);
    }
  } else if (IsWindowChrome(control)) {
    // Usable, and moving or sizing from this very press: nothing is activated,
    // so no deactivation follows, and MoveSizeEnded disables it again.
    Model.SetKeypadEnabled(true);
    Model.Window().BeginMoveSize(control);
  } else if (IsItem(control) && control.Index >= 0) {
    Model.PressItem(control.Index);
    Timers.Start(TKeypadTimer::Accumulate, Timings.AcumulateTime);
  }
}

void TKeypadGestures::Release(TKeypadControl control) {
  if (IsPanel(control)) {
    if (!IsPanel(PressedPanel)) return;
    TKeypadControl button = PressedPanel;
    LetGo();
    if (!HasClickHandler(button)) return;
    Model.Window().Repaint();
    Model.Click(button);
  } else if (IsItem(control)) {
    // Not running: the long press has fired and this release does nothing.
    if (!IsRunning(TKeypadTimer::Accumulate)) return;
    Timers.Stop(TKeypadTimer::Accumulate);
    if (control.Index < 0) return;
    // A click on an item's stem mark accepts it, as a long press does.
    if (control.Part == TKeypadPart::ItemStem) {
      Model.AcceptItem(control.Index);
    } else {
      Model.SelectItem(control.Index);
    }
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
    Timers.Stop(TKeypadTimer::ListScroll);
    RepeatArmed = false;
  }
  PressedPanel = {};
}
