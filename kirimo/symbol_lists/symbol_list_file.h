#pragma once
// A page of ready-made items read from one section of the settings file:
// date/time items ("DATE_TIME1=今日,yyyy/mm/dd"), named keys to press
// ("VK_RETURN=改行"; Shift, Ctrl and Alt stay down until picked again) and
// plain symbols ("SYMBOL=★ ☆ ♪").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/profile_file.h"
#include "common/string_list.h"
#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/cartridge_base/output_operations.h"
#include "kirimo/symbol_lists/clock.h"
#include "kirimo/symbol_lists/held_modifiers.h"

class TSymbolListFile {
 public:
  // Reads the section once; a missing section gives an empty list. The output
  // and the clock must outlive the list.
  TSymbolListFile(const TProfileFile& settings, std::string_view section, TOutputOperations& output,
                  const TClock& clock);
  ~TSymbolListFile();  // lets go of every held modifier
  TSymbolListFile(const TSymbolListFile&) = delete;
  TSymbolListFile& operator=(const TSymbolListFile&) = delete;

  // Date/time labels, then key labels, then symbols.
  const TStringList& Items() const { return ItemTexts; }

  // Date/time labels are matched ignoring letter case.
  bool IsDateTimeLabel(std::string_view label) const;
  std::string DateTimeFormatOf(std::string_view label) const;
  // Now, in the label's pattern; empty when the label has none.
  std::string FormatDateTimeOf(std::string_view label) const;

  // Key labels are matched exactly; the first entry of a label wins.
  std::string KeyNameOf(std::string_view label) const;
  bool IsKeyLabel(std::string_view label) const;
  static bool IsModifierName(std::string_view name);
  bool IsModifierLabel(std::string_view label) const;
  bool IsHeld(int virtualKey) const;
  bool IsModifierHeld(std::string_view label) const;
  std::uint8_t HeldModifiers() const { return Held.Set(); }

  // Whether HandleClick carries out a click on label itself: a key with a
  // known code, or a date/time item.
  bool TakesClick(std::string_view label) const;

  // The UI thread and a cartridge's worker may both let go of them.
  void ReleaseModifiers();
  // A click on item index of the list box showing Items(). True when it was a
  // key or date/time item and has been carried out; false when the caller must
  // deliver the item text itself (a plain symbol, an unknown key name).
  bool HandleClick(TCandidateListModel& listBox, int index);

 private:
  struct TEntry {
    std::string Name;   // label of a date/time entry, key name of a key entry
    std::string Value;  // pattern, or label
  };

  // What a handled click leaves of the list box's selection.
  enum class TSelectionChange { KeepItem, DeselectItem, ClearAll };

  const TEntry* FindDateTime(std::string_view label) const;
  TSelectionChange ClickKey(std::uint8_t virtualKey, bool modifier);

  TOutputOperations& Output;
  const TClock& Clock;
  std::vector<TEntry> DateTimeEntries;
  std::vector<TEntry> KeyEntries;
  TStringList ItemTexts;
  THeldModifiers Held;
};
