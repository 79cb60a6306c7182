#pragma once
// Between the keypad window and the cartridges: decides which cartridge gets
// a gesture and how. Japanese cartridges (any kind but "NM" and "VK") get
// queued operations, and the follow group gets them first; the alphanumeric
// and virtual-key cartridges are called directly. Keeps the replay of input
// steps that the ">" key runs (TInputReplay). UI thread only.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "kirimo/cartridge_base/operation.h"
#include "kirimo/shell/input_replay.h"
#include "kirimo/shell/keypad_commands.h"

class TCartridge;
class TFollowGroup;
class TRevolver;
class TSearchFormView;

class TSearchFormController : public TKeypadCommands {
 public:
  // Makes a new cartridge set: at creation and for RebuildCartridges.
  using TRevolverFactory = std::function<std::unique_ptr<TRevolver>()>;

  // What the status bar says when the settings give no input mode at all.
  static constexpr std::string_view NoModeText = "入力モードが設定されていません";

  // A factory that fails leaves the keypad without modes, not broken.
  TSearchFormController(TSearchFormView& form, TRevolverFactory makeRevolver);
  ~TSearchFormController() override;
  TSearchFormController(const TSearchFormController&) = delete;
  TSearchFormController& operator=(const TSearchFormController&) = delete;

  void ClearKeys() override;
  void SwitchCartridge() override;
  void SelectCandidate(int index) override;
  void KeyInput(std::string_view text) override;
  void VowelInput(std::string_view text) override;
  void SyllableInput(std::string_view text) override;
  void BackStep() override;
  void ForwardStep() override;
  TStringList CurrentKeyLabels() const override;
  std::optional<TStringList> VowelLabelsFor(std::string_view text) const override;
  std::string CurrentGridLetters() const override;
  void NextLayout() override;
  void AcceptCandidate() override;
  void ReloadUserDictionaries() override;
  void RebuildCartridges() override;
  void SaveAll();
  void IdleTick() override;
  void StopIdle() override;
  void ResetIdle() override;
  void ResetHistory() override { Replay.Reset(); }

  // Null when no input mode is configured.
  TCartridge* GetCurrent() const { return Current; }
  const TInputReplay& GetReplay() const { return Replay; }
  // Blocks until every cartridge's worker is idle (headless use).
  void WaitUntilIdle() const;

 private:
  // A revolver from the factory, its current cartridge plugged in; on failure none.
  void LoadRevolver();
  void PlugIn();
  bool IsJapanese() const;
  // Posts to the follow group first, then to Current, for vowels and syllables.
  void StepInput(char tag, TOperationKind kind, std::string_view text);
  void AlignFollowers();

  TSearchFormView& Form;
  TRevolverFactory MakeRevolver;
  std::unique_ptr<TRevolver> Revolver;
  TFollowGroup* Group = nullptr;
  TCartridge* Current = nullptr;
  TInputReplay Replay;
};
