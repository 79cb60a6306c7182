#include "kirimo/modes/cartridge_vk.h"

#include <algorithm>

#include "common/blank_text.h"
#include "common/list_filters.h"
#include "kirimo/cartridge_base/output_operations.h"
#include "kirimo/modes/dictionary_vk.h"
#include "kirimo/modes/sub_button_labels.h"
#include "kirimo/symbol_lists/held_modifiers.h"

namespace {

// The key captions that narrow, each standing for its first letter.
bool IsNarrowingCaption(std::string_view caption) {
  for (std::string_view known :
       {"@", "ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ", "0"}) {
    if (known == caption) return true;
  }
  return false;
}

}  // namespace

TCartridgeVK::TCartridgeVK(const TAppIni& settings, TOutputOperations& output)
    : TCartridge("VK", settings, output) {
  BuildKeyLayouts();
}

TCartridgeVK::~TCartridgeVK() {
  StopWorker();
  ReleaseModifiers();
}

void TCartridgeVK::BuildKeyLayouts() {
  KeyLayouts = {{"@", "ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ", "", "0", ""}};
  GridLayouts = {"@ABCDEFGHIJKLMNOPQRSTUVWXYZ   0123456789          "};
  LayoutIndex = 0;
  GridIndex = 0;
}

const TDictionaryVK* TCartridgeVK::Keys() const {
  return dynamic_cast<const TDictionaryVK*>(Dictionary);
}

void TCartridgeVK::SetDictionary(TDictionary* dictionary) {
  TCartridge::SetDictionary(dictionary);
  const TDictionaryVK* keys = Keys();
  std::lock_guard<std::mutex> lock(StateMutex);
  // A second dictionary starts over rather than stacking on the first.
  CandidateLists.assign(
      1, std::make_shared<const TStringList>(keys ? keys->GetLabels() : TStringList{}));
  KeyLetters.assign(1, "");
}

void TCartridgeVK::SetActive(bool active) {
  Clear();
  TCartridge::SetActive(active);
}

void TCartridgeVK::AttachListBox(TCandidateListModel& listBox) {
  TCartridge::AttachListBox(listBox);
  ShowHeldModifiers();
}

bool TCartridgeVK::IsHeld(int virtualKey) const { return Held.IsHeld(virtualKey); }

void TCartridgeVK::ReleaseModifiers() { Held.ReleaseAll(Output); }

void TCartridgeVK::ShowHeldModifiers() {
  if (!Held.Any()) return;
  const TDictionaryVK* keys = Keys();
  if (keys == nullptr) return;
  for (int key : ModifierKeys) {
    if (!IsHeld(key)) continue;
    std::string label = keys->CodeToLabel(static_cast<std::uint8_t>(key));
    if (label.empty()) continue;
    WithListBox([&label](TCandidateListModel& list) {
      int found = list.IndexOf(label);
      if (found < 0) {
        list.InsertItem(0, label);
      } else {
        list.MoveItem(found, 0);
      }
      list.SetSelected(0, true);
    });
  }
}

void TCartridgeVK::ShowNewest() {
  TStringList items = GetCandidateList();
  WithListBox([&items](TCandidateListModel& list) { list.SetItems(items); });
  ShowHeldModifiers();
}

template <typename TFilter>
void TCartridgeVK::Narrow(TFilter&& filter, std::string keyLetter) {
  std::shared_ptr<const TStringList> top;
  std::size_t pos = 0;
  {
    std::lock_guard<std::mutex> lock(StateMutex);
    if (CandidateLists.empty()) return;
    top = CandidateLists.back();
    pos = KeyLetters.size();
  }
  if (top->empty()) {
    ShowNewest();
    return;
  }
  TStringList narrowed = filter(*top, pos);
  if (const TDictionaryVK* keys = Keys()) {
    keys->SortInListOrder(narrowed);
  } else {
    SortByLengthThenText(narrowed);
  }
  PushNarrowed(std::move(narrowed), std::move(keyLetter));
}

void TCartridgeVK::PushNarrowed(TStringList labels, std::string keyLetter) {
  {
    std::lock_guard<std::mutex> lock(StateMutex);
    KeyLetters.push_back(std::move(keyLetter));
    CandidateLists.push_back(std::make_shared<const TStringList>(std::move(labels)));
  }
  ShowNewest();
}

void TCartridgeVK::InputKey(std::string_view caption) {
  if (IsBlankText(caption)) return;
  Narrow(
      [caption](const TStringList& top, std::size_t pos) {
        TStringList kept;
        for (char ch : caption) {
          TStringList part = FilterByCharGroup(top, ch, pos);
          kept.insert(kept.end(), part.begin(), part.end());
        }
        return kept;
      },
      IsNarrowingCaption(caption) ? std::string(caption.substr(0, 1)) : std::string());
}

void TCartridgeVK::InputSyllable(std::string_view text) {
  if (IsBlankText(text)) return;
  Narrow([ch = text.front()](const TStringList& top,
                             std::size_t pos) { return FilterByChar(top, ch, pos); },
         std::string(text));
}

void TCartridgeVK::InputVowel(std::string_view caption) {
  if (IsKeyCommand(caption) && IsActive()) SendKeyCommand(caption);
}

std::optional<TStringList> TCartridgeVK::GetVowelLabels(std::string_view) {
  return SubButtonLabels(Settings);
}

void TCartridgeVK::ToggleModifier(int virtualKey, int index) {
  const bool selected =
      IsHeld(virtualKey) ? !Held.Release(Output, virtualKey) : Held.Hold(Output, virtualKey);
  WithListBox([this, index, selected](TCandidateListModel& list) {
    list.SetSelected(index, selected);
    if (!Held.Any()) list.ClearSelection();
  });
}

void TCartridgeVK::SelectCandidate(int index) {
  try {
    std::string label;
    WithListBox([&label, index](TCandidateListModel& list) { label = list.ItemText(index); });
    if (label.empty()) return;  // an index past the list shown
    const TDictionaryVK* keys = Keys();
    int code = keys ? keys->LabelToCode(label) : 0;
    if (ModifierBit(code) != 0) {
      ToggleModifier(code, index);
      return;
    }
    if (code != 0) Output.PressKey(code);
    bool narrowed = false;
    {
      std::lock_guard<std::mutex> lock(StateMutex);
      narrowed = KeyLetters.size() > 1;
    }
    if (narrowed) {
      Clear();
    } else {
      WithListBox([index](TCandidateListModel& list) { list.SetSelected(index, false); });
    }
  } catch (...) {
    // A target that refuses a key must not stop the keypad.
  }
}

void TCartridgeVK::Accumulate() {
  int selected = -1;
  std::string label;
  WithListBox([&](TCandidateListModel& list) {
    selected = list.SelectedIndex();
    label = list.ItemText(selected);
  });
  if (selected < 0) return;
  const TDictionaryVK* keys = Keys();
  int code = keys ? keys->LabelToCode(label) : 0;
  bool keep = ModifierBit(code) != 0 && IsHeld(code);
  WithListBox([selected, keep](TCandidateListModel& list) { list.SetSelected(selected, keep); });
}

void TCartridgeVK::Back() {
  bool atRoot = false;
  {
    std::lock_guard<std::mutex> lock(StateMutex);
    atRoot = CandidateLists.size() < 2;
    if (!atRoot) {
      CandidateLists.pop_back();
      KeyLetters.pop_back();
    }
  }
  if (atRoot) ReleaseModifiers();
  ShowNewest();
}

void TCartridgeVK::Clear() {
  try {
    ReleaseModifiers();
    TStringList first;
    {
      std::lock_guard<std::mutex> lock(StateMutex);
      if (CandidateLists.size() > 1) CandidateLists.resize(1);
      if (KeyLetters.size() > 1) KeyLetters.resize(1);
      if (!CandidateLists.empty()) first = *CandidateLists.front();
    }
    WithListBox([&first](TCandidateListModel& list) {
      list.SetItems(first);
      list.ClearSelection();
    });
  } catch (...) {
    // Clearing is the way out of any trouble; it must not fail itself.
  }
}
