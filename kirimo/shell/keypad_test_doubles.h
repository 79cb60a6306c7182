#pragma once
// Stand-ins for the keypad model's controller and window, for the keypad
// tests: they record what the model asked for.
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_commands.h"
#include "kirimo/shell/keypad_gestures.h"
#include "kirimo/shell/keypad_manual_timers.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"

// Records inputs as "key か", "select 2" and the like; idle requests are
// counted apart, as every press makes one.
class TRecordingKeypadCommands : public TKeypadCommands {
 public:
  void KeyInput(std::string_view text) override { Record("key", text); }
  void VowelInput(std::string_view text) override { Record("vowel", text); }
  void SyllableInput(std::string_view text) override { Record("syllable", text); }
  void ClearKeys() override { Record("clear"); }
  void SwitchCartridge() override { Record("switch"); }
  void NextLayout() override { Record("layout"); }
  void BackStep() override { Record("back"); }
  void ForwardStep() override { Record("forward"); }
  void SelectCandidate(int index) override { Record("select", std::to_string(index)); }
  void AcceptCandidate() override { Record("accept"); }
  TStringList CurrentKeyLabels() const override { return KeyLabels; }
  std::optional<TStringList> VowelLabelsFor(std::string_view text) const override {
    VowelQueries.push_back(std::string(text));
    return VowelLabels;
  }
  std::string CurrentGridLetters() const override { return GridLetters; }
  void ResetHistory() override { Record("reset-history"); }
  void ResetIdle() override { Record("reset-idle"); }
  void StopIdle() override { ++StopIdleCount; }
  void IdleTick() override { ++IdleTickCount; }
  void ReloadUserDictionaries() override { Record("reload"); }
  void RebuildCartridges() override { Record("rebuild"); }

  TStringList TakeCalls() { return std::exchange(Calls, {}); }

  TStringList KeyLabels = TStringList(12, "k");
  std::optional<TStringList> VowelLabels;
  std::string GridLetters;
  mutable TStringList VowelQueries;
  int StopIdleCount = 0;
  int IdleTickCount = 0;
  // Calls of this kind throw after they are recorded.
  std::string Failing;

 private:
  void Record(std::string_view kind, std::string_view text = "") {
    Calls.push_back(text.empty() ? std::string(kind) : std::string(kind) + " " + std::string(text));
    if (kind == Failing) throw std::runtime_error("controller failed");
  }
  TStringList Calls;
};

class TRecordingKeypadWindow : public TKeypadObserver {
 public:
  void Repaint() override { ++Repaints; }
  void FormEnabledChanged() override { ++FormEnabledChanges; }
  void SetBusyCursor(bool busy) override { Busy += busy ? 1 : -1; }
  void ShowStatusNow(std::string_view text) override { Statuses.push_back(std::string(text)); }
  void HideKeypad() override { ++Hidden; }
  void OpenSponsorPage() override { ++SponsorPages; }
  void BeginMoveSize(TKeypadControl from) override { MovesAndSizes.push_back(from); }

  int Repaints = 0;
  int FormEnabledChanges = 0;
  std::vector<TKeypadControl> MovesAndSizes;
  int Busy = 0;
  TStringList Statuses;
  int Hidden = 0;
  int SponsorPages = 0;
};

// A keypad model with its gestures on virtual time, over the stand-ins above.
class TKeypadRig {
 public:
  static constexpr TKeypadTimings Timings = {400, 500, 100};

  explicit TKeypadRig(bool use50 = false, TKeypadTimings timings = Timings)
      : Model(Commands, List, Window, use50), Gestures(Model, Timers, timings) {
    Model.SetKeypadEnabled(false);  // another application is active
    Forget();
  }

  // Only what comes next counts.
  void Forget() {
    Commands.TakeCalls();
    Commands.VowelQueries.clear();
    Window.Repaints = 0;
    Window.FormEnabledChanges = 0;
  }

  void Click(TKeypadControl control) {
    Gestures.MouseDown(control);
    Gestures.MouseUp(control);
  }
  void Wait(int milliseconds) {
    Timers.Advance(milliseconds, [this](TKeypadTimer timer) { Gestures.TimerTick(timer); });
  }

  TRecordingKeypadCommands Commands;
  TCandidateListModel List;
  TRecordingKeypadWindow Window;
  TManualKeypadTimers Timers;
  TKeypadModel Model;
  TKeypadGestures Gestures;
};
