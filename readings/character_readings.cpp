#include "readings/character_readings.h"

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

// By its shape alone: Sino-Japanese readings of a kanji are one syllable, or
// two whose second is ﾝ, ｲ, ｳ, ｸ, ｷ, ﾂ, ﾁ or ｯ; native ones mostly are not. One
// syllable tells nothing (0); 1 Sino-Japanese, 2 native.
int KindOf(std::string_view reading) {
  int syllables = 0;
  unsigned char last = 0;
  for (char c : reading) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b == 0xDE || b == 0xDF || (b >= 0xA7 && b <= 0xAB) || (b >= 0xAC && b <= 0xAE)) continue;
    ++syllables;
    last = b;
  }
  if (syllables <= 1) return 0;
  if (syllables > 2) return 2;
  switch (last) {
    case 0xDD:
    case 0xB2:
    case 0xB3:
    case 0xB8:
    case 0xB7:
    case 0xC2:
    case 0xC1:
    case 0xAF:
      return 1;
    default:
      return 2;
  }
}

// Where each key of settled counts stands in them, by open addressing: the
// kinds of neighbours are looked up a million times at each start.
class TKeyPlaces {
 public:
  explicit TKeyPlaces(const std::vector<std::pair<std::uint64_t, float>>& counts) {
    while ((std::size_t{1} << Bits) < 2 * counts.size()) ++Bits;
    Slots.assign(std::size_t{1} << Bits, {0, None});
    for (std::size_t i = 0; i < counts.size(); ++i)
      Slots[SlotOf(counts[i].first)] = {counts[i].first, static_cast<std::uint32_t>(i)};
  }
  // The place of a key that is there.
  std::size_t operator()(std::uint64_t key) const { return Slots[SlotOf(key)].second; }

 private:
  static constexpr std::uint32_t None = ~std::uint32_t{0};
  std::size_t SlotOf(std::uint64_t key) const {
    const std::size_t mask = Slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
    while (Slots[slot].second != None && Slots[slot].first != key) slot = (slot + 1) & mask;
    return slot;
  }
  int Bits = 4;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> Slots;
};

// How Sino-Japanese each piece of settled counts reads, 0 to 1, from the
// pieces beside it in the compounds (links). First by the shapes of the piece
// and its neighbours, its own counting as a neighbour would; then once
// more with the neighbours' kinds so learned: ｱｷ is shaped as ｶﾞｸ is, but
// 秋山 and 秋田 tell it is not Sino-Japanese, nor ﾔﾏ.
std::vector<float> SinoShares(const std::vector<std::pair<std::uint64_t, float>>& settled,
                              const std::vector<std::pair<std::uint64_t, std::uint64_t>>& links) {
  constexpr float PriorWeight = 1.0f;
  TKeyPlaces places(settled);
  std::vector<float> priors(settled.size()), sinoSums(settled.size()), linkCounts(settled.size()),
      shares(settled.size());
  std::vector<int> kinds(settled.size());
  for (std::size_t i = 0; i < settled.size(); ++i) {
    kinds[i] = KindOf(TPiece(settled[i].first).View());
    priors[i] = kinds[i] == 1 ? 0.8f : kinds[i] == 2 ? 0.2f : 0.5f;
  }
  std::vector<std::pair<std::uint32_t, std::uint32_t>> linked;
  linked.reserve(links.size());
  for (const auto& [left, right] : links)
    linked.push_back(
        {static_cast<std::uint32_t>(places(left)), static_cast<std::uint32_t>(places(right))});
  for (auto [left, right] : linked)
    for (auto [i, beside] : {std::pair{left, right}, std::pair{right, left}}) {
      if (kinds[beside] == 0) continue;
      sinoSums[i] += kinds[beside] == 1 ? 1.0f : 0.0f;
      linkCounts[i] += 1.0f;
    }
  auto settle = [&] {
    for (std::size_t i = 0; i < settled.size(); ++i)
      shares[i] = (sinoSums[i] + PriorWeight * priors[i]) / (linkCounts[i] + PriorWeight);
  };
  settle();
  std::fill(sinoSums.begin(), sinoSums.end(), 0.0f);
  std::fill(linkCounts.begin(), linkCounts.end(), 0.0f);
  for (auto [left, right] : linked) {
    sinoSums[left] += shares[right];
    sinoSums[right] += shares[left];
    linkCounts[left] += 1.0f;
    linkCounts[right] += 1.0f;
  }
  settle();
  return shares;
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
  std::vector<std::pair<TKey, TKey>> links;  // pieces side by side
  for (const TSample& sample : Samples) {
    std::vector<std::string_view> pieces = BestCut(sample);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      TKey key = KeyOf(CharacterKey(sample.Notation.substr(2 * k, 2), PlaceOf(k, pieces.size())),
                       pieces[k]);
      settled.push_back({key, 1.0f});
      if (k > 0) links.push_back({settled[settled.size() - 2].first, key});
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

  std::vector<float> sinoShares = SinoShares(settled, links);
  links = {};
  std::unordered_map<std::uint32_t, float> totals;
  for (std::size_t i = 0; i < settled.size(); ++i) {
    const auto& [key, count] = settled[i];
    auto character = static_cast<std::uint32_t>(key >> ReadingBits);
    totals[character] += count;
    Readings[character].push_back({std::string(TPiece(key).View()), count, sinoShares[i]});
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
