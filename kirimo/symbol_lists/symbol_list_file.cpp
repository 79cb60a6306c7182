#include "kirimo/symbol_lists/symbol_list_file.h"

#include "common/ascii_case.h"
#include "common/blank_text.h"
#include "common/comma_list.h"
#include "common/virtual_key.h"
#include "kirimo/symbol_lists/date_time_format.h"
#include "kirimo/symbol_lists/held_modifiers.h"

TSymbolListFile::TSymbolListFile(const TProfileFile& settings, std::string_view section,
                                 TOutputOperations& output, const TClock& clock)
    : Output(output), Clock(clock) {
  for (int number = 1;; ++number) {
    std::string value = settings.ReadString(section, "DATE_TIME" + std::to_string(number), "END");
    if (value == "END") break;
    TStringList fields = SplitCommaList(value);
    // A value with a single field has no pattern and is skipped like an empty one.
    if (fields.size() < 2 || fields[0].empty() || fields[1].empty()) continue;
    DateTimeEntries.push_back({fields[0], fields[1]});
    ItemTexts.push_back(fields[0]);
  }
  for (TProfileEntry& entry : settings.ReadSection(section)) {
    if (!StartsWithIgnoringCase(entry.Key, "VK_") || entry.Value.empty()) continue;
    ItemTexts.push_back(entry.Value);
    KeyEntries.push_back({std::move(entry.Key), std::move(entry.Value)});
  }
  for (std::string& symbol : SplitCommaList(settings.ReadString(section, "SYMBOL", ""))) {
    ItemTexts.push_back(std::move(symbol));
  }
}

TSymbolListFile::~TSymbolListFile() { ReleaseModifiers(); }

const TSymbolListFile::TEntry* TSymbolListFile::FindDateTime(std::string_view label) const {
  for (const TEntry& entry : DateTimeEntries) {
    if (EqualsIgnoringCase(entry.Name, label)) return &entry;
  }
  return nullptr;
}

bool TSymbolListFile::IsDateTimeLabel(std::string_view label) const {
  return FindDateTime(label) != nullptr;
}

std::string TSymbolListFile::DateTimeFormatOf(std::string_view label) const {
  const TEntry* entry = FindDateTime(label);
  return entry != nullptr ? entry->Value : std::string();
}

std::string TSymbolListFile::FormatDateTimeOf(std::string_view label) const {
  const TEntry* entry = FindDateTime(label);
  return entry != nullptr ? FormatDateTime(entry->Value, Clock.Now()) : std::string();
}

std::string TSymbolListFile::KeyNameOf(std::string_view label) const {
  for (const TEntry& entry : KeyEntries) {
    if (entry.Value == label) return entry.Name;
  }
  return std::string();
}

bool TSymbolListFile::IsKeyLabel(std::string_view label) const { return !KeyNameOf(label).empty(); }

bool TSymbolListFile::IsModifierName(std::string_view name) {
  return name == "VK_SHIFT" || name == "VK_CONTROL" || name == "VK_MENU";
}

bool TSymbolListFile::IsModifierLabel(std::string_view label) const {
  return IsModifierName(KeyNameOf(label));
}

bool TSymbolListFile::IsHeld(int virtualKey) const { return Held.IsHeld(virtualKey); }

bool TSymbolListFile::IsModifierHeld(std::string_view label) const {
  return IsHeld(VirtualKeyCode(KeyNameOf(label)));
}

void TSymbolListFile::ReleaseModifiers() { Held.ReleaseAll(Output); }

TSymbolListFile::TSelectionChange TSymbolListFile::ClickKey(std::uint8_t virtualKey,
                                                            bool modifier) {
  if (!modifier) {
    try {
      Output.PressKey(virtualKey);
    } catch (...) {
      // A refused key must not stop the keypad.
    }
    return TSelectionChange::DeselectItem;
  }
  TSelectionChange selection = TSelectionChange::DeselectItem;
  if (Held.IsHeld(virtualKey)) {
    Held.Release(Output, virtualKey);
  } else if (Held.Hold(Output, virtualKey)) {
    selection = TSelectionChange::KeepItem;
  }
  return Held.Any() ? selection : TSelectionChange::ClearAll;
}

bool TSymbolListFile::TakesClick(std::string_view label) const {
  std::string name = KeyNameOf(label);
  if (!name.empty()) return VirtualKeyCode(name) != 0;
  return FindDateTime(label) != nullptr;
}

bool TSymbolListFile::HandleClick(TCandidateListModel& listBox, int index) {
  if (listBox.SelectedIndex() < 0) return false;
  std::string text = listBox.ItemText(index);
  std::string_view label = TrimBlanks(text);
  TSelectionChange selection;
  std::string name = KeyNameOf(label);
  if (!name.empty()) {
    std::uint8_t virtualKey = VirtualKeyCode(name);
    if (virtualKey == 0) return false;
    selection = ClickKey(virtualKey, IsModifierName(name));
  } else if (const TEntry* entry = FindDateTime(label)) {
    try {
      Output.SendText(FormatDateTime(entry->Value, Clock.Now()));
    } catch (...) {
    }
    selection = TSelectionChange::DeselectItem;
  } else {
    return false;
  }
  listBox.SetSelected(index, selection == TSelectionChange::KeepItem);
  if (selection == TSelectionChange::ClearAll) listBox.ClearSelection();
  return true;
}
