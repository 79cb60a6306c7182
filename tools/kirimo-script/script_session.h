#pragma once
// One keypad driven by gesture lines. Each line becomes the mouse messages the
// keypad window reads and the timer ticks it gets, fed to the same keypad
// model and gesture recogniser the window sits on; time is virtual and passes
// only when a line says so.
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/shell/keypad_control.h"
#include "kirimo/shell/keypad_gestures.h"
#include "kirimo/shell/keypad_manual_timers.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"
#include "tools/kirimo-script/script_controls.h"

class TAppIni;
class TRecordingOutput;
class TSearchFormController;
class TPlainSearchFormView;

// What the keypad shows after a gesture, in CP932.
struct TKeypadState {
  std::string Cartridge;
  std::string KeyString;
  std::string Status;
  TStringList Vowels;
  bool VowelRowVisible = false;
  bool GridMode = false;
  TStringList Buttons;  // the key captions, or the grid cells in grid mode
  TStringList Items;
  std::vector<bool> Selected;
  int TopIndex = 0;
  TStringList Output;        // since the previous gesture
  std::string Pressed;       // the button held down, empty for none
  TStringList Events;        // what the window was asked to do, such as "hide"
  bool FormEnabled = false;  // the window usable and its keys not
  std::string Countdown;     // a dwell countdown: its control and thousandths; empty for none
  bool DwellPaused = false;
};

class TScriptSession : private TKeypadObserver {
 public:
  TScriptSession(TAppIni& settings, TSearchFormController& controller, TPlainSearchFormView& form,
                 TRecordingOutput& output);

  // Runs one UTF-8 line and waits until every worker is idle; false for a
  // blank line or a comment. Throws TScriptError.
  bool Run(std::string_view line);
  TKeypadState State() const;

 private:
  void Repaint() override {}
  void FormEnabledChanged() override {}
  void SetBusyCursor(bool) override {}
  void ShowStatusNow(std::string_view text) override;
  void HideKeypad() override { Events.push_back("hide"); }
  void OpenSponsorPage() override { Events.push_back("sponsor page"); }
  // The platform's loop, or the splitter's drag, takes the mouse until the release.
  void BeginMoveSize(TKeypadControl from) override;

  void Gesture(std::string_view name, const std::string& argument);
  TKeypadControl Control(std::string_view name) const;
  TKeypadControl LayoutButton() const;
  // The mouse goes there first unless it is there already.
  void MoveTo(TKeypadControl control);
  void Press(TKeypadControl control);
  void Release();
  void Click(TKeypadControl control);
  // Press, let time pass, release.
  void Hold(TKeypadControl control, int milliseconds);
  void Wait(int milliseconds);
  void SetGridMode(const std::string& argument);
  // on or off as the tray menu switches it, or a time as the settings give it.
  void SetDwell(const std::string& argument);

  TAppIni& Settings;
  TSearchFormController& Controller;
  TPlainSearchFormView& Form;
  TRecordingOutput& Output;
  TStringList Events;
  TManualKeypadTimers Timers;
  TKeypadModel Model;
  TKeypadGestures Gestures;
  TKeypadControl Cursor;
  bool MovingOrSizing = false;
};
