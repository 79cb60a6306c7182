#pragma once
// Notations with their readings, gathered from dictionaries, for proposing
// readings of words no input method reads for us.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "readings/character_readings.h"

class TReadingIndex {
 public:
  struct TEntry {
    std::string_view Reading;  // half-width katakana
    float Cost = 0;            // lower is more frequent
    std::int16_t Type = 1;
    int Next = -1;  // the next reading of the same notation, -1 for none
  };

  TReadingIndex() = default;
  TReadingIndex(const TReadingIndex&) = delete;
  TReadingIndex& operator=(const TReadingIndex&) = delete;

  // Takes every word of a dictionary file's contents. The files we generate list
  // the most frequent words first, so a line's place gives its cost; ordered is
  // false for files kept in the order words were added (user dictionaries).
  void AddDictionaryText(std::string contents, bool ordered);
  // One word; the reading is brought to half-width katakana.
  void AddWord(std::string_view notation, std::string_view reading, std::int16_t type, float cost);

  // Settles what was learned of single kanji; call once the last word is in.
  void Finish();

  // The first entry of a notation, -1 when it is not held; follow TEntry::Next.
  int Find(std::string_view notation) const;
  const TEntry& Entry(int index) const { return Entries[index]; }
  std::size_t NotationCount() const { return Chains.size(); }
  // The longest notation held, in bytes: no lookup needs to be longer.
  std::size_t LongestNotation() const { return Longest; }
  const TCharacterReadings& CharacterReadings() const { return Characters; }
  // How many words read so (half-width katakana): names and places share
  // readings much more than their spellings.
  int ReadingCount(std::string_view reading) const;
  // Of them, those whose notation begins (first) or ends with that character.
  int ReadingCount(std::string_view reading, std::string_view character, bool first) const;
  // How many words begin with these characters (two or more) and go on past
  // them with a reading that begins so: the places of one town share the
  // reading of its name (宮田町宮東, 宮田町本田島: ﾐﾔﾀﾁｮｳ).
  int BeginningCount(std::string_view notation, std::string_view reading) const;
  // The same for words that end so after more characters (大川原, 西川原: ｶﾜﾗ).
  int EndingCount(std::string_view notation, std::string_view reading) const;

  // The cost of the word on line rank of a frequency-ordered file.
  static float CostOfRank(int rank);
  // What a word of a file without frequencies costs: a middling frequency.
  static constexpr float UnrankedCost = 14.0f;

 private:
  struct TChain {
    std::string_view Notation;
    std::uint32_t Hash;
    int First;
    int Last;
  };
  // Open addressing over Chains: hundreds of thousands of notations go in at
  // start, and a node-based map spends most of the build allocating.
  std::size_t SlotOf(std::string_view notation, std::uint32_t hash) const;
  // Room for that many notations without rehashing on the way.
  void Reserve(std::size_t notations);
  // notation must already be held in Buffers; reading is kept as it is when
  // readingHeld and already half-width, else converted into a buffer of ours.
  void Insert(std::string_view notation, std::string_view reading, bool readingHeld,
              std::int16_t type, float cost);

  std::deque<std::string> Buffers;  // a deque: the views into them stay valid
  std::vector<TEntry> Entries;
  std::vector<TChain> Chains;
  struct TSlot {
    std::uint32_t Hash;  // of the chain's notation: most probes need not look further
    int Chain;           // index into Chains, -1 for a free slot
  };
  std::vector<TSlot> Slots;  // a power of two long
  std::size_t Longest = 0;
  TCharacterReadings Characters;
  std::vector<std::uint32_t> ReadingHashes;  // one per word, sorted by Finish
  std::vector<std::uint32_t> EndHashes;      // two per word, with its end characters
  // A part of two or more characters at one end of a word's notation.
  struct TEnd {
    std::uint32_t Hash;  // of those characters
    int Entry;
  };
  void AddEnds(std::string_view notation, int entry);
  // Of the words whose ends (Beginnings, or Endings when last) hold notation,
  // those whose reading is longer than reading and has it at that end.
  int AlikeCount(const std::vector<TEnd>& ends, std::string_view notation, std::string_view reading,
                 bool last) const;
  std::vector<TEnd> Beginnings, Endings;     // of every word, sorted by Finish
  std::vector<std::size_t> CharacterStarts;  // AddEnds's, kept to spare an allocation a word
};
