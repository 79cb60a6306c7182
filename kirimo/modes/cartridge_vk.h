#pragma once
// The virtual-key mode: the list shows the labels of the virtual-key
// dictionary, narrowed like predictive text by the keys and grid cells; picking
// a label presses its key, and Shift, Ctrl and Alt stay down until picked again
// so that combinations are built modifier first. UI thread only.
#include <cstdint>
#include <string_view>

#include "kirimo/cartridge_base/cartridge.h"
#include "kirimo/symbol_lists/held_modifiers.h"

class TDictionaryVK;

class TCartridgeVK : public TCartridge {
 public:
  TCartridgeVK(const TAppIni& settings, TOutputOperations& output);
  ~TCartridgeVK() override;  // lets go of every held modifier

  void SetActive(bool active) override;
  void AttachListBox(TCandidateListModel& listBox) override;
  void SelectCandidate(int index) override;
  void SendSelected() override {}
  void Back() override;
  void Forward() override {}
  void Accumulate() override;
  // Back to the full list, with no modifier held.
  void Clear() override;
  void InputKey(std::string_view caption) override;
  void InputVowel(std::string_view caption) override;
  std::optional<TStringList> GetVowelLabels(std::string_view caption) override;
  bool UsesVowelKeys() const override { return true; }
  // Only a TDictionaryVK gives labels; anything else leaves the list empty.
  void SetDictionary(TDictionary* dictionary) override;
  void InputSyllable(std::string_view text) override;

  // Puts each held modifier's label at the top of the list, selected. A
  // modifier the dictionary has no label for shows nothing.
  void ShowHeldModifiers();
  void ReleaseModifiers();
  bool IsHeld(int virtualKey) const;
  std::uint8_t HeldModifiers() const { return Held.Set(); }

 protected:
  void BuildKeyLayouts() override;

 private:
  // Pushes the labels of the newest list that filter keeps, shortest first.
  template <typename TFilter>
  void Narrow(TFilter&& filter, std::string keyLetter);
  void PushNarrowed(TStringList labels, std::string keyLetter);
  void ShowNewest();
  void ToggleModifier(int virtualKey, int index);
  const TDictionaryVK* Keys() const;

  THeldModifiers Held;
};
