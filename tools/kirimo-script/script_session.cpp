#include "tools/kirimo-script/script_session.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "common/cp932.h"
#include "common/dictionary_line.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/cartridge.h"
#include "kirimo/cartridge_base/double_click_time.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/shell/keypad_captions.h"
#include "kirimo/shell/search_form_controller.h"
#include "kirimo/shell/search_form_controller_view_plain.h"
#include "tools/script_replay/script_line.h"

namespace {

// A count or a time in a script line.
int Number(std::string_view text, std::string_view what) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    throw TScriptError(std::string(what));
  }
  return std::stoi(std::string(text));
}

// Keeps the held time within an int.
constexpr int MaxScrollTicks = 10000;

// Gestures that click one button.
constexpr std::pair<std::string_view, TKeypadPart> ButtonClicks[] = {
    {"back", TKeypadPart::ListLeft},
    {"forward", TKeypadPart::ListRight},
    {"clear", TKeypadPart::Clear},
    {"switch", TKeypadPart::Dictionary},
    {"hide", TKeypadPart::Hide}};

}  // namespace

TScriptSession::TScriptSession(TAppIni& settings, TSearchFormController& controller,
                               TPlainSearchFormView& form, TRecordingOutput& output)
    : Settings(settings),
      Controller(controller),
      Form(form),
      Output(output),
      Model(controller, form.List, *this, settings.Use50Key),
      Gestures(Model, Timers,
               {SystemDoubleClickTime(), settings.AcumulateTime, settings.ScrollTime,
                settings.DwellTime, settings.DwellTolerance}) {
  // Shown, with the target application active: the keys work.
  Model.SetKeypadEnabled(false);
  Gestures.RestartIdle();
  Controller.WaitUntilIdle();
  Output.Clear();
}

bool TScriptSession::Run(std::string_view line) {
  std::optional<TScriptLine> command = ParseScriptLine(line);
  if (!command) return false;
  Events.clear();
  Gesture(command->Name, command->Argument);
  Controller.WaitUntilIdle();
  return true;
}

void TScriptSession::Gesture(std::string_view name, const std::string& argument) {
  auto none = [&] {
    if (!argument.empty()) throw TScriptError(std::string(name) + " takes no argument");
  };
  auto needs = [&] {
    if (argument.empty()) throw TScriptError(std::string(name) + " needs an argument");
  };
  for (const auto& [gesture, button] : ButtonClicks) {
    if (name != gesture) continue;
    none();
    Click(Control(FixedCaption(button)));
    return;
  }
  if (name == "key" || name == "vowel" || name == "grid") {
    needs();
    Click(Control(std::string(name) + " " + argument));
  } else if (name == "select") {
    needs();
    Click(Control("item " + argument));
  } else if (name == "hold" || name == "long-press") {
    needs();
    Hold(Control("item " + argument), Settings.AcumulateTime);
  } else if (name == "layout") {
    none();
    Click(LayoutButton());
  } else if (name == "click" || name == "double-click") {
    needs();
    TKeypadControl control = Control(argument);
    Click(control);
    if (name == "double-click") Click(control);
  } else if (name == "press") {
    needs();
    Press(Control(argument));
  } else if (name == "move") {
    needs();
    MoveTo(Control(argument));
  } else if (name == "release") {
    none();
    Release();
  } else if (name == "hold-scroll") {
    std::size_t space = argument.find(' ');
    std::string_view direction = std::string_view(argument).substr(0, space);
    if (direction != "up" && direction != "down") {
      throw TScriptError("hold-scroll takes up or down and a count");
    }
    std::string_view count =
        space == std::string::npos ? "" : TrimBlanks(std::string_view(argument).substr(space));
    int ticks = Number(count, "hold-scroll needs a count of scroll intervals");
    if (ticks > MaxScrollTicks) throw TScriptError("hold-scroll holds at most 10000 intervals");
    long long held = static_cast<long long>(ticks) * std::max(Settings.ScrollTime, 1);
    Hold(Control(direction == "up" ? "▲" : "▼"),
         static_cast<int>(std::min<long long>(held, std::numeric_limits<int>::max())));
  } else if (name == "wait") {
    Wait(Number(argument, "wait needs milliseconds"));
  } else if (name == "idle") {
    none();
    Wait(IdleTime);
  } else if (name == "focus-target") {
    none();
    Model.SetKeypadEnabled(false);
  } else if (name == "grid-mode") {
    SetGridMode(argument);
  } else if (name == "dwell") {
    SetDwell(argument);
  } else if (name == "reload") {
    none();
    Model.ReloadUserDictionaries();
  } else if (name == "rebuild") {
    none();
    Model.RebuildCartridges();
  } else if (name == "save") {
    none();
    Controller.SaveAll();
  } else {
    throw TScriptError("unknown gesture \"" + std::string(name) + "\"");
  }
}

TKeypadControl TScriptSession::Control(std::string_view name) const {
  return ParseControl(name, {Model.Captions(), Model.GridMode(), Form.VowelRowVisible,
                             Settings.CMVisible, Gestures.Dwell().StemsShown(), Form.List});
}

TKeypadControl TScriptSession::LayoutButton() const {
  return Model.GridMode() ? TKeypadControl{TKeypadPart::GridCell, LayoutCell}
                          : TKeypadControl{TKeypadPart::Key, LayoutKey};
}

void TScriptSession::MoveTo(TKeypadControl control) {
  if (Cursor == control) return;
  Cursor = control;
  Gestures.MouseMove(control);
}

void TScriptSession::Press(TKeypadControl control) {
  MoveTo(control);
  Gestures.MouseDown(control);
}

void TScriptSession::Release() {
  if (!MovingOrSizing) return Gestures.MouseUp(Cursor);
  // Another program stays the active one: the headless keypad never is.
  MovingOrSizing = false;
  Gestures.MoveSizeEnded(false);
}

void TScriptSession::BeginMoveSize(TKeypadControl from) {
  Events.push_back(from.Part == TKeypadPart::Splitter   ? "split"
                   : from.Part == TKeypadPart::TitleBar ? "move"
                                                        : "size");
  MovingOrSizing = true;
}

void TScriptSession::Click(TKeypadControl control) {
  Press(control);
  Release();
}

void TScriptSession::Hold(TKeypadControl control, int milliseconds) {
  Press(control);
  Wait(milliseconds);
  Release();
}

void TScriptSession::Wait(int milliseconds) {
  Timers.Advance(milliseconds, [this](TKeypadTimer timer) {
    // As the window does: it looks where the pointer is before each frame.
    if (timer == TKeypadTimer::DwellFrame) Gestures.PointerAt(Cursor);
    Gestures.TimerTick(timer);
  });
}

void TScriptSession::SetGridMode(const std::string& argument) {
  if (argument != "on" && argument != "off") throw TScriptError("grid-mode takes on or off");
  Settings.SetUse50Key(argument == "on");
  Model.SetGridMode(Settings.Use50Key);
}

void TScriptSession::SetDwell(const std::string& argument) {
  if (argument == "on" || argument == "off") {
    Settings.SwitchDwell(argument == "on");
  } else {
    // As if the settings file said so: a time outside the range is off.
    Settings.DwellTime = ValidDwellTime(Number(argument, "dwell takes on, off or milliseconds"));
  }
  Gestures.SetDwell(Settings.DwellTime, Settings.DwellTolerance);
}

void TScriptSession::ShowStatusNow(std::string_view text) { Form.Status.SetText(text); }

TKeypadState TScriptSession::State() const {
  const TKeypadCaptions& captions = Model.Captions();
  TKeypadState state;
  if (TCartridge* current = Controller.GetCurrent()) state.KeyString = current->GetKeyString();
  state.Cartridge = Form.Name.Caption();
  state.Status = Form.Status.Text();
  state.VowelRowVisible = Form.VowelRowVisible;
  if (state.VowelRowVisible)
    state.Vowels.assign(captions.Vowels().begin(), captions.Vowels().end());
  state.GridMode = Model.GridMode();
  if (state.GridMode) {
    state.Buttons.assign(captions.Grid().begin(), captions.Grid().end());
  } else {
    state.Buttons.assign(captions.Keys().begin(), captions.Keys().end());
  }
  state.Items = Form.List.Items();
  for (int i = 0; i < static_cast<int>(state.Items.size()); ++i) {
    state.Selected.push_back(Form.List.IsSelected(i));
  }
  state.TopIndex = Form.List.TopIndex();
  state.Output = Output.TakeCalls();
  TKeypadControl pressed = Gestures.PressedButton();
  if (pressed.Part != TKeypadPart::None) state.Pressed = ControlName(pressed, captions);
  state.Events = Events;
  state.FormEnabled = Model.FormEnabled();
  const TKeypadDwell& dwell = Gestures.Dwell();
  state.DwellPaused = dwell.Paused();
  if (std::optional<TDwellCountdown> countdown = dwell.Countdown()) {
    state.Countdown =
        ControlName(countdown->Control, captions) + " " + std::to_string(countdown->Permille);
  }
  return state;
}
