#pragma once
// Readings proposed from the dictionaries alone, where no input method answers
// (Windows without a Japanese one, Wine): the readings of a notation a
// dictionary holds, else the best readings of the notation cut into words the
// dictionaries hold, letters, digits and kana reading as themselves.
#include <string_view>

#include "readings/ime_readings.h"
#include "readings/reading_index.h"

// What each choice costs when a notation is cut into parts, in the units of
// TReadingIndex::CostOfRank; the lowest total is proposed first.
struct TProposalWeights {
  // Each dictionary word of the cut costs more than a rarer reading of a longer
  // one: compounds are read by their longest known parts.
  float Word = 10.3f;
  float Rank = 1.0f;             // times the word's own cost
  float SelfReading = 15.0f;     // a kana read as itself
  float Voiced = 1.6f;           // 本棚: ﾎﾝ + ﾀﾅ -> ﾎﾝﾀﾞﾅ
  float VoicedAfterLink = 3.0f;  // and more after a linking ﾉ or ｶﾞ
  float Geminate = 4.0f;         // 学校: ｶﾞｸ + ｺｳ -> ｶﾞｯｺｳ
  float Character = 15.0f;       // one kanji read as compounds read it
  float Share = 1.38f;           // times the cost of that reading's share
  float BareStem = 4.0f;         // a verb or adjective stem without its kana (書 of 書く)
  // Inside a run of kanji a lone kanji of the dictionary is mostly the wrong
  // (native) reading; before kana, the compound reading of a kanji is.
  float LoneKanji = 5.12f;
  float BeforeKana = 7.45f;
  float Mixed = 9.3f;  // times how far a reading's kind is from the kanji before (湯桶読み)
  float Pair = 1.72f;  // off per doubling of how often two neighbours read so
  float SharedReading = 0.2f;  // off per doubling of the words that read the same
  float SharedEnds = 1.95f;    // the same for such words that begin or end alike
  float WordPair = 1.4f;       // as Pair, for kanji at the ends of longer words
  float SmallKeVoiced = 0.5f;  // 霞ヶ関: ｶﾞ; ｹ and ｶ cost SelfReading and twice that
  float KeVoiced = -1.0f;      // a ケ between kanji read ｶﾞ (梅ケ浜)
  // Off per doubling of the longer words that begin (end) with two or more
  // characters of the notation and read them alike.
  float Beginning = 4.2f;
  float Ending = 4.0f;
};

class TReadingProposer : public TReadingSource {
 public:
  static constexpr int MaxProposals = 5;

  // The index outlives the proposer and is not changed while it proposes.
  explicit TReadingProposer(const TReadingIndex& index, TProposalWeights weights = {})
      : Index(index), Weights(weights) {}

  // Half-width katakana readings, most likely first; empty when some part of
  // the notation cannot be read.
  TStringList Propose(std::string_view notation) const;
  TStringList ReverseConversion(std::string_view word) override { return Propose(word); }

 private:
  TStringList HeldReadings(int first) const;
  TStringList CompoundReadings(std::string_view notation) const;

  const TReadingIndex& Index;
  TProposalWeights Weights;
};
