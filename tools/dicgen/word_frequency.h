#pragma once
// How often words occur in running text: a tab-separated list of notation,
// katakana reading, word class and count (UTF-8, "#" starts a comment), looked
// up by the notation, full-width katakana reading and class of a source row,
// in CP932. The class is IPADIC's part of speech, with ":" and the
// conjugation type for verbs and adjectives, so homographs count apart.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

class TWordFrequency {
 public:
  // An empty list: every word counts 0.
  TWordFrequency() = default;
  // Throws std::runtime_error when the file cannot be read; malformed lines are skipped.
  static TWordFrequency Load(const std::filesystem::path& file);
  static TWordFrequency Parse(std::string_view text);

  int CountOf(std::string_view notation, std::string_view reading,
              std::string_view wordClass) const;
  std::size_t Size() const { return Counts.size(); }

 private:
  std::unordered_map<std::string, int> Counts;
};

// The order key of a word: listed words first, most frequent first, then the
// rest by their source cost (lower first). Sorting by it ascending gives file order.
int RankOf(int count, int cost);

// A rank after every listed word and before every unlisted one.
int RankAfterListed();

// The rank of a word of a source that only fills gaps: unlisted, it comes
// after every unlisted word that RankOf ranks.
int SupplementRankOf(int count, int cost);
