#include "kirimo/shell/keypad_dwell.h"

#include <algorithm>

#include "common/blank_text.h"
#include "kirimo/shell/keypad_commands.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"

namespace {

// Pausing and resuming is rested on this many times as long as a press.
constexpr int StatusBarDwellFactor = 2;

template <std::size_t N>
bool ShowsCaption(const std::array<std::string, N>& captions, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N && !IsBlankText(captions[index]);
}

}  // namespace

TKeypadDwell::TKeypadDwell(TKeypadModel& model, TKeypadTimerSwitch& timers, TDwellTimings timings)
    : Model(model), Timers(timers) {
  Configure(timings);
}

void TKeypadDwell::Configure(TDwellTimings timings) {
  Timers.Stop(TKeypadTimer::Dwell);
  Timers.Stop(TKeypadTimer::DwellFrame);
  Timings = timings;
  Target = {};
  LastOnTarget.reset();
  Phase = TPhase::Resting;
  Elapsed = 0;
  IsPaused = false;
  if (On()) Timers.Start(TKeypadTimer::DwellFrame, DwellFrameTime);
  Repaint();
}

void TKeypadDwell::PointerAt(TKeypadControl control, std::optional<TPoint> point) {
  if (!On()) return;
  if (control == Target) {
    if (point) LastOnTarget = point;
    return;
  }
  if (Trembles(point)) return;
  Begin(control, point);
}

void TKeypadDwell::Pressed(TKeypadControl control) {
  if (!On()) return;
  Timers.Stop(TKeypadTimer::Dwell);
  Target = control;
  Phase = TPhase::Fired;
  Repaint();
}

void TKeypadDwell::Tick(TKeypadTimer timer) {
  if (!On()) return;
  if (Model.FormEnabled()) {
    // The window is the user's own now: nothing counts, and resting again starts afresh.
    if (Phase == TPhase::Counting || Phase == TPhase::Repeating) Begin({}, std::nullopt);
    return;
  }
  if (timer == TKeypadTimer::DwellFrame) {
    Frame();
  } else if (Phase == TPhase::Counting) {
    Fire();
  } else if (Phase == TPhase::Repeating) {
    Model.Click(Target);
  }
}

std::optional<TDwellCountdown> TKeypadDwell::Countdown() const {
  if (Phase == TPhase::Repeating) return TDwellCountdown{Target, 1000};
  if (Phase != TPhase::Counting) return std::nullopt;
  return TDwellCountdown{Target,
                         static_cast<int>(static_cast<long long>(Elapsed) * 1000 / Needed())};
}

bool TKeypadDwell::Dwellable(TKeypadControl control) const {
  if (IsPaused) return control.Part == TKeypadPart::StatusBar;
  const TKeypadCaptions& captions = Model.Captions();
  switch (control.Part) {
    case TKeypadPart::Key:
      return !Model.GridMode() && ShowsCaption(captions.Keys(), control.Index);
    case TKeypadPart::Vowel:
      return ShowsCaption(captions.Vowels(), control.Index);
    case TKeypadPart::GridCell:
      return Model.GridMode() && ShowsCaption(captions.Grid(), control.Index);
    case TKeypadPart::ListBox:
    case TKeypadPart::ItemStem:
      return control.Index >= 0 && !Model.ItemText(control.Index).empty();
    case TKeypadPart::Sponsor:
    case TKeypadPart::StatusBar:
      return true;
    case TKeypadPart::Hide:
      // Hidden by a rest, the keypad would wait for a click on the tray icon.
      return false;
    default:
      return HasClickHandler(control);
  }
}

bool TKeypadDwell::Trembles(std::optional<TPoint> point) const {
  if (Target.Part == TKeypadPart::None || !point || !LastOnTarget) return false;
  const long long dx = point->X - LastOnTarget->X;
  const long long dy = point->Y - LastOnTarget->Y;
  const long long tolerance = Timings.Tolerance;
  return dx * dx + dy * dy <= tolerance * tolerance;
}

int TKeypadDwell::Needed() const {
  return Target.Part == TKeypadPart::StatusBar ? StatusBarDwellFactor * Timings.DwellTime
                                               : Timings.DwellTime;
}

void TKeypadDwell::Begin(TKeypadControl control, std::optional<TPoint> point) {
  Timers.Stop(TKeypadTimer::Dwell);
  Target = control;
  LastOnTarget = point;
  Phase = TPhase::Resting;
  if (Dwellable(control)) StartCountdown();
  Repaint();
}

void TKeypadDwell::StartCountdown() {
  TargetText = IsItem(Target) ? Model.ItemText(Target.Index) : std::string();
  Elapsed = 0;
  Phase = TPhase::Counting;
  Timers.Start(TKeypadTimer::Dwell, Needed());
}

void TKeypadDwell::Frame() {
  if (Phase != TPhase::Counting) return;
  if (ItemChanged()) {
    Begin(Target, LastOnTarget);
    return;
  }
  Elapsed = std::min(Elapsed + DwellFrameTime, Needed());
  Repaint();
}

void TKeypadDwell::Fire() {
  if (ItemChanged()) {
    Begin(Target, LastOnTarget);
    return;
  }
  // Fired before acting: a controller that throws must not make it fire again.
  Timers.Stop(TKeypadTimer::Dwell);
  Phase = TPhase::Fired;
  ++Fires;
  Repaint();
  // A press and a release, as a click is.
  Model.Controller().StopIdle();
  {
    TBusyCursor busy(Model.Window());
    Act();
  }
  Timers.Start(TKeypadTimer::Idle, IdleTime);
}

void TKeypadDwell::Act() {
  switch (Target.Part) {
    case TKeypadPart::ListUp:
    case TKeypadPart::ListDown:
      Phase = TPhase::Repeating;
      Timers.Start(TKeypadTimer::Dwell, Timings.ScrollTime);
      Model.Click(Target);
      break;
    case TKeypadPart::ListBox:
      Model.PressItem(Target.Index);
      Model.SelectItem(Target.Index);
      break;
    case TKeypadPart::ItemStem:
      Model.AcceptItem(Target.Index);
      break;
    case TKeypadPart::Sponsor:
      Model.Window().OpenSponsorPage();
      break;
    case TKeypadPart::StatusBar:
      IsPaused = !IsPaused;
      Model.Window().ShowStatusNow(IsPaused ? "ドウェル休止中" : "ドウェル再開");
      break;
    default:
      Model.Click(Target);
      break;
  }
}

bool TKeypadDwell::ItemChanged() const {
  return IsItem(Target) && Model.ItemText(Target.Index) != TargetText;
}

void TKeypadDwell::Repaint() { Model.Window().Repaint(); }
