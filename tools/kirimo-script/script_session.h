#pragma once
// One keypad driven by gesture lines: each line is turned into the controller
// calls the keypad window makes for that gesture, and the captions the window
// would show are kept the way the window refreshes them.
#include <array>
#include <optional>
#include <vector>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/string_list.h"

class TAppIni;
class TRecordingOutput;
class TSearchFormController;
class TPlainSearchFormView;

// A line that names no gesture, or a gesture the keypad cannot take now.
class TScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

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
  TStringList Output;  // since the previous gesture
};

class TScriptSession {
 public:
  TScriptSession(TAppIni& settings, TSearchFormController& controller, TPlainSearchFormView& form,
                 TRecordingOutput& output);

  // Runs one UTF-8 line and waits until every worker is idle; false for a
  // blank line or a comment. Throws TScriptError.
  bool Run(std::string_view line);
  TKeypadState State() const;

 private:
  void Gesture(std::string_view name, const std::string& argument);
  void ClickKey(const std::string& caption);
  void ClickVowel(const std::string& caption);
  void ClickGrid(const std::string& caption);
  void ClickLayout();
  void PressItem(const std::string& argument, bool hold);
  void SetGridMode(const std::string& argument);
  int ItemIndex(const std::string& argument) const;

  void RefreshKeyLabels();
  void RefreshVowelLabels(std::string_view caption);
  void RefreshGridLetters();
  void RefreshAll();

  TAppIni& Settings;
  TSearchFormController& Controller;
  TPlainSearchFormView& Form;
  TRecordingOutput& Output;
  std::array<std::string, 12> KeyCaptions;
  std::array<std::string, 5> VowelCaptions;
  std::array<std::string, 50> GridCells;
};
