#pragma once
// The Japanese input steps that the ">" key replays. Entry 0 is the start
// marker "!"; each step is a tag letter and the caption clicked: "K" a row
// key, "V" a vowel, "S" a grid syllable. Index is the last applied step.
#include <optional>
#include <string>
#include <string_view>

#include "common/string_list.h"

class TInputReplay {
 public:
  struct TStep {
    char Tag;
    std::string Text;
  };

  TInputReplay() { Reset(); }

  // A key step overwrites the step after Index; a vowel right after it, which
  // refined the key overwritten, goes too, unless it is the very last entry.
  void RecordKey(std::string_view text);
  // A vowel or syllable step ("V" or "S") overwrites the step after Index.
  void RecordStep(char tag, std::string_view text);
  // One step back; a vowel step undoes the key it refined as well.
  void Back();
  // The recorded step after Index, which becomes the last applied; none at the end.
  std::optional<TStep> Forward();
  // Back to the start; the steps stay for replay.
  void Rewind() { Index = 0; }
  void Reset();

  const TStringList& Entries() const { return Steps; }
  int GetIndex() const { return Index; }

 private:
  // Advances Index and writes entry there, appending at the end.
  void Write(std::string entry);

  TStringList Steps;
  int Index = 0;
};
