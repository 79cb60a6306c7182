#include "tools/kirimo-script/script_session.h"

#include <algorithm>
#include <cctype>

#include "common/cp932.h"
#include "kirimo/shell/base/app_ini.h"
#include "kirimo/shell/base/cartridge.h"
#include "kirimo/shell/base/recording_output.h"
#include "kirimo/shell/search_form_controller.h"
#include "kirimo/shell/search_form_controller_view_plain.h"
#include "tools/script_line.h"

namespace {

constexpr int StarKey = 9;     // "*"
constexpr int LayoutKey = 11;  // "#"
constexpr int LayoutCell = 49;

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Shown(std::string_view text) { return Cp932ToUtf8(text); }

bool IsNumber(std::string_view text) {
  return !text.empty() && text.size() < 10 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The index of the caption that trims to caption; -1 for none.
template <std::size_t N>
int Find(const std::array<std::string, N>& captions, std::string_view caption) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!Trim(captions[i]).empty() && Trim(captions[i]) == caption) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

TScriptSession::TScriptSession(TAppIni& settings, TSearchFormController& controller,
                               TPlainSearchFormView& form, TRecordingOutput& output)
    : Settings(settings), Controller(controller), Form(form), Output(output) {
  GridCells[LayoutCell] = "A";
  // As the window does at creation, grid mode from the settings included.
  RefreshAll();
  Controller.WaitUntilIdle();
  Output.Clear();
}

bool TScriptSession::Run(std::string_view line) {
  std::optional<TScriptLine> command = ParseScriptLine(line);
  if (!command) return false;
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
  if (name == "key") {
    needs();
    ClickKey(argument);
  } else if (name == "vowel") {
    needs();
    ClickVowel(argument);
  } else if (name == "grid") {
    needs();
    ClickGrid(argument);
  } else if (name == "select" || name == "hold") {
    needs();
    PressItem(argument, name == "hold");
  } else if (name == "scroll") {
    if (!IsNumber(argument)) throw TScriptError("scroll needs a top index");
    Form.List.SetTopIndex(std::stoi(argument));
  } else if (name == "back") {
    none();
    Controller.StopIdle();
    Controller.BackStep();
    if (!Settings.Use50Key) RefreshVowelLabels("");
  } else if (name == "forward") {
    none();
    Controller.StopIdle();
    Controller.ForwardStep();
  } else if (name == "clear") {
    none();
    Controller.StopIdle();
    Controller.ClearKeys();
    RefreshVowelLabels("");
  } else if (name == "switch") {
    none();
    Controller.StopIdle();
    Controller.SwitchCartridge();
    RefreshGridLetters();
    RefreshKeyLabels();
    if (!Settings.Use50Key) RefreshVowelLabels("");
  } else if (name == "layout") {
    none();
    ClickLayout();
  } else if (name == "grid-mode") {
    SetGridMode(argument);
  } else if (name == "idle") {
    none();
    Controller.IdleTick();
  } else if (name == "reload") {
    none();
    Controller.ReloadUserDictionaries();
  } else if (name == "rebuild") {
    none();
    Controller.RebuildCartridges();
    RefreshAll();
  } else if (name == "save") {
    none();
    Controller.SaveAll();
  } else {
    throw TScriptError("unknown gesture \"" + Shown(name) + "\"");
  }
}

void TScriptSession::ClickKey(const std::string& caption) {
  if (Settings.Use50Key) throw TScriptError("no keys in grid mode");
  int index = Find(KeyCaptions, caption);
  if (index < 0) throw TScriptError("no key captioned \"" + Shown(caption) + "\"");
  Controller.StopIdle();
  const std::string& text = KeyCaptions[index];
  if (index == LayoutKey) {
    ClickLayout();
  } else if (index == StarKey) {
    Controller.KeyInput(text);
    RefreshKeyLabels();
    RefreshVowelLabels("");
  } else {
    Controller.KeyInput(text);
    RefreshVowelLabels(text);
  }
}

void TScriptSession::ClickVowel(const std::string& caption) {
  if (!Form.VowelRowVisible) throw TScriptError("the vowel row is hidden");
  int index = Find(VowelCaptions, caption);
  if (index < 0) throw TScriptError("no vowel button captioned \"" + Shown(caption) + "\"");
  Controller.StopIdle();
  Controller.VowelInput(VowelCaptions[index]);
}

void TScriptSession::ClickGrid(const std::string& caption) {
  if (!Settings.Use50Key) throw TScriptError("no grid outside grid mode");
  int index = Find(GridCells, caption);
  if (index < 0) throw TScriptError("no grid cell captioned \"" + Shown(caption) + "\"");
  Controller.StopIdle();
  if (index == LayoutCell) {
    ClickLayout();
  } else {
    Controller.SyllableInput(GridCells[index]);
  }
}

void TScriptSession::ClickLayout() {
  Controller.StopIdle();
  if (Settings.Use50Key) {
    if (Trim(GridCells[LayoutCell]).empty()) return;
    Controller.NextLayout();
    RefreshGridLetters();
  } else {
    if (Trim(KeyCaptions[LayoutKey]).empty()) return;
    Controller.NextLayout();
    RefreshKeyLabels();
  }
}

int TScriptSession::ItemIndex(const std::string& argument) const {
  std::string_view text = argument;
  bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (!quoted && IsNumber(text)) {
    int index = std::stoi(argument);
    if (index >= Form.List.Count()) throw TScriptError("no candidate " + argument);
    return index;
  }
  if (quoted) text = text.substr(1, text.size() - 2);
  int index = Form.List.IndexOf(text);
  if (index < 0) throw TScriptError("no candidate \"" + Shown(text) + "\"");
  return index;
}

void TScriptSession::PressItem(const std::string& argument, bool hold) {
  int index = ItemIndex(argument);
  Controller.StopIdle();
  // The press makes the item the focused and a selected one.
  Form.List.SetItemIndex(index);
  Form.List.SetSelected(index, true);
  if (hold) {
    Controller.AcceptCandidate();
  } else {
    Controller.SelectCandidate(index);
  }
  if (!hold || !Settings.Use50Key) RefreshVowelLabels("");
}

void TScriptSession::SetGridMode(const std::string& argument) {
  if (argument != "on" && argument != "off") throw TScriptError("grid-mode takes on or off");
  Settings.SetUse50Key(argument == "on");
  Controller.ClearKeys();
  Controller.ResetHistory();
  Controller.ResetIdle();
  RefreshAll();
}

void TScriptSession::RefreshAll() {
  if (Settings.Use50Key) {
    RefreshGridLetters();
  } else {
    RefreshKeyLabels();
    RefreshVowelLabels("");
  }
}

void TScriptSession::RefreshKeyLabels() {
  TStringList labels = Controller.CurrentKeyLabels();
  for (std::size_t i = 0; i < KeyCaptions.size(); ++i) {
    KeyCaptions[i] = i < labels.size() ? labels[i] : std::string();
  }
}

void TScriptSession::RefreshVowelLabels(std::string_view caption) {
  VowelCaptions.fill("");
  std::optional<TStringList> labels = Controller.VowelLabelsFor(caption);
  if (!labels) return;
  for (std::size_t i = 0; i < VowelCaptions.size() && i < labels->size(); ++i) {
    VowelCaptions[i] = (*labels)[i];
  }
}

void TScriptSession::RefreshGridLetters() {
  // A shorter grid string leaves the remaining cells as they were.
  std::string letters = Controller.CurrentGridLetters();
  for (std::size_t i = 0; i < GridCells.size() && i < letters.size(); ++i) {
    GridCells[i] = std::string(1, letters[i]);
  }
}

TKeypadState TScriptSession::State() const {
  TKeypadState state;
  if (TCartridge* current = Controller.GetCurrent()) state.KeyString = current->GetKeyString();
  state.Cartridge = Form.Name.Caption();
  state.Status = Form.Status.Text();
  state.VowelRowVisible = Form.VowelRowVisible;
  if (state.VowelRowVisible) state.Vowels.assign(VowelCaptions.begin(), VowelCaptions.end());
  state.GridMode = Settings.Use50Key;
  if (state.GridMode) {
    state.Buttons.assign(GridCells.begin(), GridCells.end());
  } else {
    state.Buttons.assign(KeyCaptions.begin(), KeyCaptions.end());
  }
  state.Items = Form.List.Items();
  for (int i = 0; i < static_cast<int>(state.Items.size()); ++i) {
    state.Selected.push_back(Form.List.IsSelected(i));
  }
  state.TopIndex = Form.List.TopIndex();
  state.Output = Output.TakeCalls();
  return state;
}
