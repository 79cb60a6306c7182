#include "common/character_readings.h"

#include <algorithm>
#include <cmath>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/radix_sort.h"

namespace {

constexpr std::size_t LongestPiece = 5;  // bytes: ｼﾞｮｳ, ｷﾞｮｳ and the like fit
constexpr std::size_t LongestWord = 4;   // characters
constexpr std::size_t KeptPerCharacter = 8;
constexpr float MinimumCount = 0.75f;
constexpr int ReadingBits = 8 * LongestPiece;
constexpr int CharacterBits = 16 + 2;  // two bytes and the place

// A piece of a reading cannot begin with a mark, a small kana, ﾝ or ｰ.
bool CanBeginPiece(std::string_view reading, std::size_t pos) {
  if (pos >= reading.size()) return pos == reading.size();
  unsigned char c = static_cast<unsigned char>(reading[pos]);
  return !(c == 0xDE || c == 0xDF || c == 0xDD || c == 0xB0 || (c >= 0xA7 && c <= 0xAF));
}

bool IsHalfWidthKana(std::string_view reading) {
  return std::all_of(reading.begin(), reading.end(), [](char c) {
    unsigned char b = static_cast<unsigned char>(c);
    return b >= 0xA6 && b <= 0xDF;
  });
}

std::uint32_t CharacterKey(std::string_view character, TCharacterReadings::TPlace place) {
  std::uint32_t code =
      static_cast<unsigned char>(character[0]) << 8 | static_cast<unsigned char>(character[1]);
  return code << 2 | static_cast<std::uint32_t>(place);
}

TCharacterReadings::TPlace PlaceOf(std::size_t index, std::size_t characters) {
  if (index == 0) return TCharacterReadings::TPlace::Initial;
  return index + 1 == characters ? TCharacterReadings::TPlace::Final
                                 : TCharacterReadings::TPlace::Middle;
}

std::uint64_t KeyOf(std::uint32_t character, std::string_view piece) {
  std::uint64_t key = character;
  for (std::size_t i = 0; i < LongestPiece; ++i)
    key = key << 8 | (i < piece.size() ? static_cast<unsigned char>(piece[i]) : 0u);
  return key;
}

constexpr std::uint64_t ReadingMask = (std::uint64_t{1} << ReadingBits) - 1;

// Pieces have no NUL byte, so their length is where the zero bytes start.
std::size_t SizeOf(std::uint64_t piece) {
  std::size_t size = 0;
  while (size < LongestPiece && (piece >> (ReadingBits - 8 * (size + 1)) & 0xFF) != 0) ++size;
  return size;
}

// The reading bytes of a key, without allocating: learning looks at millions.
struct TPiece {
  char Bytes[LongestPiece];
  std::size_t Size = 0;
  explicit TPiece(std::uint64_t key) {
    for (int shift = ReadingBits - 8; shift >= 0; shift -= 8)
      if (char c = static_cast<char>(key >> shift & 0xFF)) Bytes[Size++] = c;
  }
  std::string_view View() const { return {Bytes, Size}; }
};

// Adds up the weights of equal keys.
void Settle(std::vector<std::pair<std::uint64_t, float>>& counts) {
  RadixSort(
      counts, [](const std::pair<std::uint64_t, float>& c) { return c.first; }, 64);
  std::size_t out = 0;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    if (out > 0 && counts[out - 1].first == counts[i].first)
      counts[out - 1].second += counts[i].second;
    else
      counts[out++] = counts[i];
  }
  counts.resize(out);
}

std::uint64_t PairKey(std::string_view first, std::string_view firstPiece, std::string_view second,
                      std::string_view secondPiece) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a; a clash only blurs a count
  for (std::string_view part : {first, firstPiece, second, secondPiece}) {
    for (char c : part) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ 0xFFu) * 1099511628211ull;  // no byte of a piece is 0xFF
  }
  return hash;
}

}  // namespace

void TCharacterReadings::Learn(std::string_view notation, std::string_view reading) {
  std::size_t characters = notation.size() / 2;
  if (characters < 2 || characters > LongestWord || notation.size() % 2 != 0) return;
  if (reading.size() < characters || !IsHalfWidthKana(reading)) return;
  for (std::size_t i = 0; i < notation.size(); i += 2)
    if (CharLengthAt(notation, i) != 2 || CharClass(notation.substr(i, 2)) != 1) return;
  Samples.push_back({notation, reading});
  if (characters != 2) return;
  // Two kanji: every cut counts alike in the first round.
  std::uint32_t first = CharacterKey(notation.substr(0, 2), TPlace::Initial);
  std::uint32_t second = CharacterKey(notation.substr(2), TPlace::Final);
  int cuts = 0;
  for (std::size_t cut = 1; cut < reading.size(); ++cut)
    if (CanBeginPiece(reading, cut) && cut <= LongestPiece && reading.size() - cut <= LongestPiece)
      ++cuts;
  for (std::size_t cut = 1; cut < reading.size(); ++cut) {
    if (!CanBeginPiece(reading, cut) || cut > LongestPiece || reading.size() - cut > LongestPiece)
      continue;
    Counts.push_back({KeyOf(first, reading.substr(0, cut)), 1.0f / static_cast<float>(cuts)});
    Counts.push_back({KeyOf(second, reading.substr(cut)), 1.0f / static_cast<float>(cuts)});
  }
}

std::pair<TCharacterReadings::TCounts::const_iterator, TCharacterReadings::TCounts::const_iterator>
TCharacterReadings::FirstRound(std::uint32_t character) const {
  auto [begin, end] = Ranges[character];
  return {Counts.begin() + begin, Counts.begin() + end};
}

std::vector<std::string_view> TCharacterReadings::BestCut(const TSample& sample) const {
  const std::size_t characters = sample.Notation.size() / 2;
  const std::string_view reading = sample.Reading;
  const std::size_t length = reading.size();
  // score[k][pos]: the best sum of log counts reading k characters as reading[0, pos).
  constexpr float None = -1e30f;
  std::vector<float> score((characters + 1) * (length + 1), None);
  std::vector<std::size_t> back((characters + 1) * (length + 1), 0);
  auto at = [&](std::size_t k, std::size_t pos) { return k * (length + 1) + pos; };
  score[at(0, 0)] = 0;
  // The reading's bytes from each position, packed as keys pack them.
  std::vector<std::uint64_t> packed(length);
  for (std::size_t pos = 0; pos < length; ++pos)
    packed[pos] = KeyOf(0, reading.substr(pos, LongestPiece));
  for (std::size_t k = 0; k < characters; ++k) {
    // The first round saw only two-kanji words: a middle kanji is taken as a final one.
    auto [low, high] = FirstRound(
        CharacterKey(sample.Notation.substr(2 * k, 2), k == 0 ? TPlace::Initial : TPlace::Final));
    for (std::size_t pos = 0; pos < length; ++pos) {
      if (score[at(k, pos)] == None) continue;
      for (auto it = low; it != high; ++it) {
        std::uint64_t piece = it->first & ReadingMask;
        std::size_t size = SizeOf(piece);
        int unused = 8 * static_cast<int>(LongestPiece - size);
        if (pos + size > length || piece >> unused != packed[pos] >> unused) continue;
        std::size_t end = pos + size;
        if (!CanBeginPiece(reading, end)) continue;
        float total = score[at(k, pos)] + std::log2(it->second + 1.0f);
        if (total > score[at(k + 1, end)]) {
          score[at(k + 1, end)] = total;
          back[at(k + 1, end)] = pos;
        }
      }
    }
  }
  if (score[at(characters, length)] == None) return {};
  std::vector<std::string_view> pieces(characters);
  for (std::size_t k = characters, pos = length; k > 0; --k) {
    std::size_t start = back[at(k, pos)];
    pieces[k - 1] = reading.substr(start, pos - start);
    pos = start;
  }
  return pieces;
}

void TCharacterReadings::Finish() {
  Settle(Counts);
  // A cut seen less than about once is noise, and would slow the second round.
  std::erase_if(Counts, [](const std::pair<TKey, float>& c) { return c.second < MinimumCount; });
  Ranges.assign(std::size_t{1} << CharacterBits, {0, 0});
  for (std::size_t i = 0; i < Counts.size(); ++i) {
    auto& range = Ranges[Counts[i].first >> ReadingBits];
    if (range.second == 0) range.first = static_cast<std::uint32_t>(i);
    range.second = static_cast<std::uint32_t>(i + 1);
  }
  TCounts settled;
  for (const TSample& sample : Samples) {
    std::vector<std::string_view> pieces = BestCut(sample);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      settled.push_back(
          {KeyOf(CharacterKey(sample.Notation.substr(2 * k, 2), PlaceOf(k, pieces.size())),
                 pieces[k]),
           1.0f});
      if (k > 0)
        Pairs.push_back({PairKey(sample.Notation.substr(2 * k - 2, 2), pieces[k - 1],
                                 sample.Notation.substr(2 * k, 2), pieces[k]),
                         1.0f});
    }
  }
  Settle(settled);
  Settle(Pairs);
  Samples = {};
  Counts = {};
  Ranges = {};

  std::unordered_map<std::uint32_t, float> totals;
  for (const auto& [key, count] : settled) {
    auto character = static_cast<std::uint32_t>(key >> ReadingBits);
    totals[character] += count;
    Readings[character].push_back({std::string(TPiece(key).View()), count});
  }
  for (auto& [character, readings] : Readings) {
    float total = totals[character];
    for (TReading& r : readings) r.Cost = -std::log2(r.Cost / (total + 1.0f));
    std::sort(readings.begin(), readings.end(),
              [](const TReading& x, const TReading& y) { return x.Cost < y.Cost; });
    if (readings.size() > KeptPerCharacter) readings.resize(KeptPerCharacter);
  }
}

const std::vector<TCharacterReadings::TReading>& TCharacterReadings::ReadingsOf(
    std::string_view character, TPlace place) const {
  static const std::vector<TReading> none;
  if (character.size() != 2) return none;
  auto found = Readings.find(CharacterKey(character, place));
  if (found != Readings.end()) return found->second;
  // Middle and final kanji read much alike: each stands in for the other.
  if (place == TPlace::Initial) return none;
  found = Readings.find(
      CharacterKey(character, place == TPlace::Final ? TPlace::Middle : TPlace::Final));
  return found == Readings.end() ? none : found->second;
}

float TCharacterReadings::PairCount(std::string_view first, std::string_view firstPiece,
                                    std::string_view second, std::string_view secondPiece) const {
  std::uint64_t key = PairKey(first, firstPiece, second, secondPiece);
  auto found = std::lower_bound(Pairs.begin(), Pairs.end(), std::pair<TKey, float>{key, 0.0f});
  return found != Pairs.end() && found->first == key ? found->second : 0.0f;
}
