#pragma once
// Which dictionary words an IPADIC row gives: word types from its part of
// speech and conjugation type, verb and adjective stems from its base form.
#include <string>
#include <string_view>
#include <vector>

#include "tools/dicgen/ipadic_source.h"

enum class TDicTarget { Base, Proper };

// One dictionary line's content, in CP932; Reading is half-width katakana.
struct TDicWord {
  std::string Reading;
  std::string Notation;
  int Type = 1;
  TDicTarget Target = TDicTarget::Base;
};

enum class TRowOutcome {
  Words,               // Words holds one or two words
  Unused,              // a class we do not take (particles, symbols, classical verbs, other forms)
  ReadingNotKatakana,  // dropped
  NotationNotCp932,    // dropped
  EmptyStem,           // the bare verb: the built-in bound words cover it
  EndingMismatch,      // base form or reading does not end as its type says
};

struct TRowMapping {
  TRowOutcome Outcome = TRowOutcome::Unused;
  std::vector<TDicWord> Words;
};

TRowMapping MapRow(const TIpadicRow& row);

// The half-width form of a katakana reading; empty when the text is not all katakana.
std::string HalfWidthKatakanaReading(std::string_view reading);

// text less a trailing ending that starts on a character boundary; false when it does not end so.
bool CutEnding(std::string_view text, std::string_view ending, std::string& stem);
