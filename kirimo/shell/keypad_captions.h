#pragma once
// The captions of the keys, vowel buttons and grid cells as the window shows
// them. In a grid caption "&" is doubled, as a caption marks an accelerator
// with a single "&"; the caption is also what a click passes on.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "kirimo/shell/keypad_control.h"

class TKeypadCaptions {
 public:
  // The window's captions before any cartridge gives its own.
  TKeypadCaptions();

  const std::array<std::string, KeyCount>& Keys() const { return KeyCaptions; }
  const std::array<std::string, VowelCount>& Vowels() const { return VowelCaptions; }
  const std::array<std::string, GridCellCount>& Grid() const { return GridCaptions; }

  // Labels beyond the buttons are dropped; buttons beyond the labels go blank.
  void SetKeyLabels(const TStringList& labels);
  // All blank first, then as many as there are labels.
  void SetVowelLabels(const std::optional<TStringList>& labels);
  // One character a cell; cells beyond a shorter string keep their captions.
  void SetGridLetters(std::string_view letters);

 private:
  std::array<std::string, KeyCount> KeyCaptions;
  std::array<std::string, VowelCount> VowelCaptions;
  std::array<std::string, GridCellCount> GridCaptions;
};

// The caption of a button whose text is the keypad's own: "クリア", "隠す", "<",
// ">", "▲", "▼", and the dictionary button, which shows the current
// dictionary's name, "辞書切替" while there is none. Empty for other parts.
std::string FixedCaption(TKeypadPart part, std::string_view dictionaryName = {});

// What a caption shows: "&&" is one "&"; a single "&" only marks the next
// character.
std::string ShownCaption(std::string_view caption);
