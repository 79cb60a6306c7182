#pragma once
// How single kanji read inside compounds, learned from the all-kanji words of
// the dictionaries: a dictionary lists 共 as ﾄﾓ, but 共同, 共通 and 共犯 read it
// ｷｮｳ. A first round counts every way to cut the readings of two-kanji words;
// a second cuts each word of two to four kanji where the first round's counts
// agree best, and counts those pieces.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class TCharacterReadings {
 public:
  struct TReading {
    std::string Text;  // half-width katakana
    float Cost;        // -log2 of its share among the character's readings there
    // How Sino-Japanese its neighbours in the compounds read, 0 to 1: such
    // readings keep company with their own kind (学校, 山道) whatever their shape.
    float Sino = 0.5f;
  };

  // A word of the dictionaries. Both texts must stay valid until Finish.
  void Learn(std::string_view notation, std::string_view reading);
  // Settles the counts; call once after the last Learn.
  void Finish();

  // Where in a run of kanji a kanji stands.
  enum class TPlace { Middle = 0, Final = 1, Initial = 2 };

  // The readings of a kanji at that place, most usual first; empty for a
  // character never seen there.
  const std::vector<TReading>& ReadingsOf(std::string_view character, TPlace place) const;
  // How often two kanji side by side were read so in the dictionaries' compounds.
  float PairCount(std::string_view first, std::string_view firstPiece, std::string_view second,
                  std::string_view secondPiece) const;

 private:
  using TKey = std::uint64_t;  // character with its position, then up to 5 reading bytes
  using TCounts = std::vector<std::pair<TKey, float>>;
  struct TSample {
    std::string_view Notation;
    std::string_view Reading;
  };
  // The best cut of a sample's reading, one piece per character; empty for none.
  std::vector<std::string_view> BestCut(const TSample& sample) const;
  // The first round's counts of one character at one position.
  std::pair<TCounts::const_iterator, TCounts::const_iterator> FirstRound(
      std::uint32_t character) const;

  std::vector<TSample> Samples;
  TCounts Counts;  // first round, sorted by key once Finish starts
  // Where each character's counts lie in Counts, by CharacterKey: an array,
  // for the second round looks them up millions of times.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> Ranges;
  std::unordered_map<std::uint32_t, std::vector<TReading>> Readings;
  TCounts Pairs;  // keyed by a hash of both characters and both pieces, sorted
};
