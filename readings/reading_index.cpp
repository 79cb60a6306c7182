#include "readings/reading_index.h"

#include <algorithm>
#include <cmath>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"
#include "common/radix_sort.h"

namespace {

std::uint32_t HashOf(std::string_view text, std::uint32_t hash = 2166136261u) {
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;  // FNV-1a
  return hash;
}

// A reading with the character a word begins or ends with.
std::uint32_t HashOf(std::string_view reading, std::string_view character, bool first) {
  return HashOf(character, HashOf(reading) ^ (first ? 0x5Au : 0xA5u));
}

std::string_view LastCharacter(std::string_view notation) {
  std::size_t pos = 0, last = 0;
  for (; pos < notation.size(); pos += CharLengthAt(notation, pos)) last = pos;
  return notation.substr(last);
}

}  // namespace

float TReadingIndex::CostOfRank(int rank) {
  // Word frequencies fall off roughly as a power of the rank (Zipf), so its
  // logarithm stands in for a word cost.
  return static_cast<float>(std::log2(static_cast<double>(rank) + 2.0));
}

void TReadingIndex::AddWord(std::string_view notation, std::string_view reading, std::int16_t type,
                            float cost) {
  if (notation.empty() || reading.empty()) return;
  Insert(Buffers.emplace_back(notation), reading, false, type, cost);
}

void TReadingIndex::Insert(std::string_view notation, std::string_view reading, bool readingHeld,
                           std::int16_t type, float cost) {
  // Generated files hold half-width readings already: no copy for them.
  if (!readingHeld || !IsSingleByteText(reading))
    reading = Buffers.emplace_back(ToHalfWidth(ToKatakana(reading)));
  int index = static_cast<int>(Entries.size());
  Entries.push_back({reading, cost, type, -1});
  if (Chains.size() * 2 >= Slots.size()) Reserve(Chains.size() + 1);
  std::uint32_t hash = HashOf(notation);
  std::size_t slot = SlotOf(notation, hash);
  if (Slots[slot].Chain < 0) {
    Slots[slot] = {hash, static_cast<int>(Chains.size())};
    Chains.push_back({notation, hash, index, index});
  } else {
    TChain& chain = Chains[Slots[slot].Chain];
    Entries[chain.Last].Next = index;
    chain.Last = index;
  }
  if (notation.size() > Longest) Longest = notation.size();
  Characters.Learn(notation, reading);
  std::uint32_t readingHash = HashOf(reading);
  ReadingHashes.push_back(readingHash);
  EndHashes.push_back(HashOf(reading, notation.substr(0, CharLengthAt(notation, 0)), true));
  EndHashes.push_back(HashOf(reading, LastCharacter(notation), false));
  AddEnds(notation, index);
}

void TReadingIndex::AddEnds(std::string_view notation, int entry) {
  std::vector<std::size_t>& starts = CharacterStarts;
  starts.clear();
  for (std::size_t pos = 0; pos < notation.size(); pos += CharLengthAt(notation, pos))
    starts.push_back(pos);
  // Beginnings grow one character at a time; each ending is hashed on its own.
  std::uint32_t beginning = HashOf(notation.substr(0, starts.size() > 1 ? starts[1] : 0));
  for (std::size_t i = 2; i < starts.size(); ++i) {
    beginning = HashOf(notation.substr(starts[i - 1], starts[i] - starts[i - 1]), beginning);
    Beginnings.push_back({beginning, entry});
    Endings.push_back({HashOf(notation.substr(starts[starts.size() - i])), entry});
  }
}

void TReadingIndex::Finish() {
  Characters.Finish();
  auto itself = [](std::uint32_t hash) { return hash; };
  RadixSort(ReadingHashes, itself, 32);
  RadixSort(EndHashes, itself, 32);
  auto hashOf = [](const TEnd& end) { return end.Hash; };
  RadixSort(Beginnings, hashOf, 32);
  RadixSort(Endings, hashOf, 32);
}

int TReadingIndex::ReadingCount(std::string_view reading) const {
  // A clash of hashes only adds a word or two to a count.
  auto [low, high] = std::equal_range(ReadingHashes.begin(), ReadingHashes.end(), HashOf(reading));
  return static_cast<int>(high - low);
}

int TReadingIndex::ReadingCount(std::string_view reading, std::string_view character,
                                bool first) const {
  auto [low, high] =
      std::equal_range(EndHashes.begin(), EndHashes.end(), HashOf(reading, character, first));
  return static_cast<int>(high - low);
}

int TReadingIndex::AlikeCount(const std::vector<TEnd>& ends, std::string_view notation,
                              std::string_view reading, bool last) const {
  auto [low, high] = std::equal_range(ends.begin(), ends.end(), TEnd{HashOf(notation), 0},
                                      [](const TEnd& x, const TEnd& y) { return x.Hash < y.Hash; });
  int count = 0;
  for (auto end = low; end != high; ++end) {
    std::string_view other = Entries[end->Entry].Reading;
    count += other.size() > reading.size() &&
             (last ? other.ends_with(reading) : other.starts_with(reading));
  }
  return count;
}

int TReadingIndex::BeginningCount(std::string_view notation, std::string_view reading) const {
  return AlikeCount(Beginnings, notation, reading, false);
}

int TReadingIndex::EndingCount(std::string_view notation, std::string_view reading) const {
  return AlikeCount(Endings, notation, reading, true);
}

std::size_t TReadingIndex::SlotOf(std::string_view notation, std::uint32_t hash) const {
  const std::size_t mask = Slots.size() - 1;
  std::size_t slot = hash & mask;
  for (; Slots[slot].Chain >= 0; slot = (slot + 1) & mask)
    if (Slots[slot].Hash == hash && Chains[Slots[slot].Chain].Notation == notation) break;
  return slot;
}

void TReadingIndex::Reserve(std::size_t notations) {
  std::size_t size = Slots.empty() ? 1024 : Slots.size();
  while (size < 2 * notations) size *= 2;
  if (size == Slots.size()) return;
  Slots.assign(size, {0, -1});
  for (std::size_t i = 0; i < Chains.size(); ++i)
    Slots[SlotOf(Chains[i].Notation, Chains[i].Hash)] = {Chains[i].Hash, static_cast<int>(i)};
}

int TReadingIndex::Find(std::string_view notation) const {
  if (Slots.empty()) return -1;
  int chain = Slots[SlotOf(notation, HashOf(notation))].Chain;
  return chain < 0 ? -1 : Chains[chain].First;
}
