#pragma once
// Readings proposed from the dictionaries alone, where no input method answers
// (Windows without a Japanese one, Wine): the readings of a notation a
// dictionary holds, else the best readings of the notation cut into words the
// dictionaries hold, letters, digits and kana reading as themselves.
#include <string_view>

#include "common/ime_readings.h"
#include "common/reading_index.h"

class TReadingProposer : public TReadingSource {
 public:
  static constexpr int MaxProposals = 5;

  // The index outlives the proposer and is not changed while it proposes.
  explicit TReadingProposer(const TReadingIndex& index) : Index(index) {}

  // Half-width katakana readings, most likely first; empty when some part of
  // the notation cannot be read.
  TStringList Propose(std::string_view notation) const;
  TStringList ReverseConversion(std::string_view word) override { return Propose(word); }

 private:
  TStringList HeldReadings(int first) const;
  TStringList CompoundReadings(std::string_view notation) const;

  const TReadingIndex& Index;
};
