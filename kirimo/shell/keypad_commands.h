#pragma once
// What the keypad asks of its controller: one call per button meaning, the
// captions of the plugged-in cartridge, and the idle and reload requests.
// TSearchFormController is the real one.
#include <optional>
#include <string>
#include <string_view>

#include "common/string_list.h"

class TKeypadCommands {
 public:
  virtual ~TKeypadCommands() = default;

  virtual void KeyInput(std::string_view text) = 0;
  virtual void VowelInput(std::string_view text) = 0;
  virtual void SyllableInput(std::string_view text) = 0;
  virtual void ClearKeys() = 0;
  virtual void SwitchCartridge() = 0;
  virtual void NextLayout() = 0;
  virtual void BackStep() = 0;
  virtual void ForwardStep() = 0;
  virtual void SelectCandidate(int index) = 0;
  virtual void AcceptCandidate() = 0;

  virtual TStringList CurrentKeyLabels() const = 0;
  virtual std::optional<TStringList> VowelLabelsFor(std::string_view text) const = 0;
  virtual std::string CurrentGridLetters() const = 0;

  // Empties the replay of input steps.
  virtual void ResetHistory() = 0;
  virtual void ResetIdle() = 0;
  virtual void StopIdle() = 0;
  virtual void IdleTick() = 0;
  virtual void ReloadUserDictionaries() = 0;
  virtual void RebuildCartridges() = 0;
};
