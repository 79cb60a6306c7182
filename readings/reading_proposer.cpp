#include "readings/reading_proposer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

// Partial readings kept per position.
constexpr std::size_t Beam = 8;

struct TPartial {
  float Cost;
  std::string Reading;
  float Sino = -1.0f;  // of the last kanji read alone, as TReading::Sino; below 0 unknown
  // The last kanji when it was read alone, and how: neighbours that the
  // dictionaries' compounds read together cost less.
  std::string_view LastKanji;
  std::string_view LastPiece;
};

bool CheaperFirst(const TPartial& x, const TPartial& y) { return x.Cost < y.Cost; }

// The best few distinct readings reaching one position.
class TBest {
 public:
  void Offer(float cost, std::string reading, float sino = -1.0f, std::string_view lastKanji = {},
             std::string_view lastPiece = {}) {
    auto same = std::find_if(Items.begin(), Items.end(),
                             [&](const TPartial& p) { return p.Reading == reading; });
    if (same != Items.end()) {
      if (same->Cost <= cost) return;
      Items.erase(same);
    } else if (Items.size() == Beam && Items.back().Cost <= cost) {
      return;
    }
    auto place = std::upper_bound(Items.begin(), Items.end(), cost,
                                  [](float c, const TPartial& p) { return c < p.Cost; });
    Items.insert(place, TPartial{cost, std::move(reading), sino, lastKanji, lastPiece});
    if (Items.size() > Beam) Items.pop_back();
  }
  const std::vector<TPartial>& Partials() const { return Items; }
  // Adds change(partial) to each cost.
  template <typename TChange>
  void Reprice(TChange change) {
    for (TPartial& p : Items) p.Cost += change(p);
    std::stable_sort(Items.begin(), Items.end(), CheaperFirst);
  }

 private:
  std::vector<TPartial> Items;
};

bool IsKana(std::string_view character) {
  int kind = CharClass(character);
  if (kind == 2 || kind == 4) return true;
  if (character.size() != 2) return false;
  unsigned code =
      static_cast<unsigned char>(character[0]) << 8 | static_cast<unsigned char>(character[1]);
  return (code >= 0x829F && code <= 0x82F1) || code == 0x815B;  // hiragana, "ー"
}

bool IsKanji(std::string_view character) { return CharClass(character) == 1; }

bool ReadsAsItself(std::string_view character) {
  int kind = CharClass(character);
  if (kind == 3 || kind == 5) return true;
  return kind == 6 && ToHalfWidth(character).find_first_of("0123456789") == 0;
}

// The half-width row letter a reading begins with, for the sound changes.
bool StartsUnvoiced(std::string_view reading) {
  if (reading.empty()) return false;
  unsigned char c = static_cast<unsigned char>(reading[0]);
  bool voiceable = (c >= 0xB6 && c <= 0xC4) || (c >= 0xCA && c <= 0xCE);  // ｶ..ﾄ, ﾊ..ﾎ
  return voiceable && !(reading.size() > 1 && (reading[1] == '\xDE' || reading[1] == '\xDF'));
}

bool StartsWithRow(std::string_view reading, unsigned char first, unsigned char last) {
  unsigned char c = reading.empty() ? 0 : static_cast<unsigned char>(reading[0]);
  return c >= first && c <= last;
}

std::string Voiced(std::string_view reading) {
  std::string voiced(reading.substr(0, 1));
  voiced += '\xDE';
  voiced += reading.substr(1);
  return voiced;
}

bool StartsVoiced(std::string_view reading) {
  return reading.size() > 1 && (reading[1] == '\xDE' || reading[1] == '\xDF');
}

// After the linking ﾉ and ｶﾞ (池の平 ｲｹﾉﾀｲﾗ, 藤ケ崎 ﾌｼﾞｶﾞｻｷ) the next word seldom voices.
bool AfterLink(std::string_view before) {
  return before.ends_with("\xC9") || before.ends_with("\xB6\xDE");
}

// A reading ending in ｯ goes on only with a consonant that doubles.
bool MayFollow(std::string_view before, std::string_view reading) {
  if (before.empty() || before.back() != '\xAF') return true;
  return StartsUnvoiced(reading) ||
         (StartsWithRow(reading, 0xCA, 0xCE) && reading.size() > 1 && reading[1] == '\xDF');
}

// ｸ, ｷ before the ｶ row and ﾁ, ﾂ before the ｶ, ｻ, ﾀ, ﾊ rows double the next
// consonant (学校 ｶﾞｯｺｳ, 一体 ｲｯﾀｲ; the ﾊ row turns to ﾊﾟ: 一本 ｲｯﾎﾟﾝ).
void OfferGeminate(TBest& to, const TPartial& from, std::string_view reading, float cost) {
  const std::string& before = from.Reading;
  if (before.empty() || !StartsUnvoiced(reading)) return;
  unsigned char last = static_cast<unsigned char>(before.back());
  if (last != 0xB8 && last != 0xB7 && last != 0xC1 && last != 0xC2) return;
  if ((last == 0xB8 || last == 0xB7) && !StartsWithRow(reading, 0xB6, 0xBA)) return;
  std::string geminate = before.substr(0, before.size() - 1) + "ｯ";
  if (StartsWithRow(reading, 0xCA, 0xCE)) {
    geminate += reading.substr(0, 1);
    geminate += '\xDF';
    geminate += reading.substr(1);
  } else {
    geminate += reading;
  }
  to.Offer(from.Cost + cost, std::move(geminate));
}

// A word of the dictionaries after a partial reading, with the sound changes
// its join may take. lastKanji ends the word, read lastPiece, when known.
void OfferWord(TBest& to, const TPartial& from, std::string_view reading, float cost, bool joined,
               const TProposalWeights& weights, std::string_view lastKanji,
               std::string_view lastPiece, float sinoFirst = -1.0f, float sinoLast = -1.0f) {
  if (!MayFollow(from.Reading, reading)) return;
  if (from.Sino >= 0.0f && sinoFirst >= 0.0f)
    cost += weights.Mixed * std::abs(from.Sino - sinoFirst);
  to.Offer(from.Cost + cost, from.Reading + std::string(reading), sinoLast, lastKanji, lastPiece);
  if (!joined || !StartsUnvoiced(reading)) return;
  float link = AfterLink(from.Reading) ? weights.VoicedAfterLink : 0.0f;
  to.Offer(from.Cost + cost + weights.Voiced + link, from.Reading + Voiced(reading));
  OfferGeminate(to, from, reading, cost + weights.Geminate);
}

// The kind of one reading of a kanji, as compounds taught it; below 0 unknown.
float SinoOf(const std::vector<TCharacterReadings::TReading>& readings, std::string_view piece) {
  for (const auto& r : readings)
    if (r.Text == piece) return r.Sino;
  return -1.0f;
}

// The likeliest reading of a kanji at one end of a word's reading: the piece
// that word gives it.
std::string_view PieceAtEnd(const std::vector<TCharacterReadings::TReading>& readings,
                            std::string_view word, bool last) {
  for (const auto& r : readings)
    if (r.Text.size() < word.size() && (last ? word.ends_with(r.Text) : word.starts_with(r.Text)))
      return r.Text;
  return {};
}

// The finished readings, those other words share first: names and places
// share readings much more than spellings, above all with the same kanji at
// the same end (first and last are the notation's end characters).
TStringList RankedReadings(const TReadingIndex& index, const TProposalWeights& weights,
                           std::vector<TPartial> finished, std::string_view first,
                           std::string_view last) {
  auto sharedBits = [&](int words) { return std::log2(1.0f + static_cast<float>(words)); };
  for (TPartial& p : finished)
    p.Cost -= weights.SharedReading * sharedBits(index.ReadingCount(p.Reading)) +
              weights.SharedEnds * (sharedBits(index.ReadingCount(p.Reading, first, true)) +
                                    sharedBits(index.ReadingCount(p.Reading, last, false)));
  std::stable_sort(finished.begin(), finished.end(), CheaperFirst);
  TStringList readings;
  for (const TPartial& p : finished) {
    if (readings.size() == TReadingProposer::MaxProposals) break;
    if (MayFollow(p.Reading, {})) readings.push_back(p.Reading);
  }
  return readings;
}

// Off the cost of a partial reading of the first j characters: readings that
// other words give the same characters. The words that begin with those
// characters count while the reading grows; the words that end like the
// notation, once it is read whole (j is the number of characters), each from
// where the partial reading was cut before that ending: the longest reading
// held there that it begins with (none after a doubled consonant: 学校).
float AlikeBits(const TReadingIndex& index, const TProposalWeights& weights,
                std::string_view notation, const std::vector<std::size_t>& starts,
                const std::vector<TBest>& best, std::string_view reading, std::size_t j) {
  auto bitsOf = [](int words) { return std::log2(1.0f + static_cast<float>(words)); };
  const std::size_t count = starts.size() - 1;
  float bits = 0.0f;
  if (j >= 2)
    bits +=
        weights.Beginning * bitsOf(index.BeginningCount(notation.substr(0, starts[j]), reading));
  if (j < count) return bits;
  for (std::size_t i = 0; i + 2 <= count; ++i) {
    std::size_t cut = i == 0 ? 0 : std::string_view::npos;
    for (const TPartial& p : best[i].Partials())
      if (reading.starts_with(p.Reading) &&
          (cut == std::string_view::npos || p.Reading.size() > cut))
        cut = p.Reading.size();
    if (cut != std::string_view::npos)
      bits += weights.Ending *
              bitsOf(index.EndingCount(notation.substr(starts[i]), reading.substr(cut)));
  }
  return bits;
}

}  // namespace

TStringList TReadingProposer::Propose(std::string_view notation) const {
  if (notation.empty()) return {};
  int first = Index.Find(notation);
  return first >= 0 ? HeldReadings(first) : CompoundReadings(notation);
}

TStringList TReadingProposer::HeldReadings(int first) const {
  TStringList readings;
  for (int i = first; i >= 0; i = Index.Entry(i).Next) {
    std::string_view reading = Index.Entry(i).Reading;
    if (std::find(readings.begin(), readings.end(), reading) == readings.end())
      readings.emplace_back(reading);
  }
  return readings;
}

TStringList TReadingProposer::CompoundReadings(std::string_view notation) const {
  std::vector<std::size_t> starts;  // byte offset of each character, and the end
  ForEachChar(notation, [&](std::string_view c) { starts.push_back(c.data() - notation.data()); });
  starts.push_back(notation.size());
  const std::size_t count = starts.size() - 1;
  if (count == 0) return {};
  auto characterAt = [&](std::size_t i) {
    return notation.substr(starts[i], starts[i + 1] - starts[i]);
  };
  const TCharacterReadings& characters = Index.CharacterReadings();
  // Off the cost when the kanji before was read alone and the dictionaries'
  // compounds read the two so.
  auto pairBonus = [&](const TPartial& p, std::string_view kanji, std::string_view piece,
                       float weight) {
    if (weight == 0.0f || p.LastKanji.empty()) return 0.0f;
    float seen = characters.PairCount(p.LastKanji, p.LastPiece, kanji, piece);
    return weight * std::log2(1.0f + seen);
  };
  std::vector<TBest> best(count + 1);
  best[0].Offer(0, {});

  auto repriceAlike = [&](std::size_t j) {
    best[j].Reprice([&](const TPartial& p) {
      return -AlikeBits(Index, Weights, notation, starts, best, p.Reading, j);
    });
  };
  for (std::size_t i = 0; i < count; ++i) {
    if (best[i].Partials().empty()) continue;
    repriceAlike(i);
    std::string_view character = characterAt(i);
    bool joined = i > 0;
    if (ReadsAsItself(character) || IsKana(character)) {
      // A run of letters and digits is one word; kana may still begin a word.
      std::size_t end = i + 1;
      bool letters = ReadsAsItself(character);
      while (letters && end < count && ReadsAsItself(characterAt(end))) ++end;
      std::string reading =
          ToHalfWidth(ToKatakana(notation.substr(starts[i], starts[end] - starts[i])));
      if (IsSingleByteText(reading))  // ヶ has no half-width form
        for (const TPartial& p : best[i].Partials())
          best[end].Offer(p.Cost + Weights.SelfReading * static_cast<float>(end - i),
                          p.Reading + reading);
      // The small ヶ of place names (霞ヶ関) and a ケ between kanji.
      bool small = character == "ヶ" || character == "ヵ";
      if (small || (character == "ケ" && joined && i + 1 < count)) {
        for (const TPartial& p : best[i].Partials()) {
          best[end].Offer(p.Cost + (small ? Weights.SmallKeVoiced : Weights.KeVoiced),
                          p.Reading + "ｶﾞ");
          if (small) best[end].Offer(p.Cost + Weights.SelfReading * 2.0f, p.Reading + "ｶ");
          if (small) best[end].Offer(p.Cost + Weights.SelfReading, p.Reading + "ｹ");
        }
      }
      if (letters) continue;
    }
    bool kanaNext = i + 1 < count && IsKana(characterAt(i + 1));
    bool kanjiNext = i + 1 < count && IsKanji(characterAt(i + 1));
    bool kanjiNear = (i > 0 && IsKanji(characterAt(i - 1))) || kanjiNext;
    bool kanji = IsKanji(character);
    using TPlace = TCharacterReadings::TPlace;
    TPlace place = i == 0 ? TPlace::Initial : kanjiNext ? TPlace::Middle : TPlace::Final;
    for (const auto& reading : characters.ReadingsOf(character, place)) {
      float cost =
          Weights.Character + Weights.Share * reading.Cost + (kanaNext ? Weights.BeforeKana : 0.0f);
      for (const TPartial& p : best[i].Partials()) {
        if (!MayFollow(p.Reading, reading.Text)) continue;
        float mixed = p.Sino < 0.0f ? 0.0f : Weights.Mixed * std::abs(p.Sino - reading.Sino);
        if (joined && StartsVoiced(reading.Text) && AfterLink(p.Reading))
          mixed += Weights.VoicedAfterLink;
        best[i + 1].Offer(
            p.Cost + cost + mixed - pairBonus(p, character, reading.Text, Weights.Pair),
            p.Reading + reading.Text, reading.Sino, character, reading.Text);
      }
    }
    for (std::size_t j = i + 1; j <= count; ++j) {
      std::size_t length = starts[j] - starts[i];
      if (length > Index.LongestNotation()) break;
      int entry = Index.Find(notation.substr(starts[i], length));
      bool kanaFollows = j < count && IsKana(characterAt(j));
      bool loneKanji = j == i + 1 && kanji;
      // The kanji at the ends of a longer word pair with their neighbours too.
      std::string_view lastKanji =
          j > i + 1 && IsKanji(characterAt(j - 1)) ? characterAt(j - 1) : std::string_view();
      for (; entry >= 0; entry = Index.Entry(entry).Next) {
        const TReadingIndex::TEntry& word = Index.Entry(entry);
        bool bareStem = word.Type >= 2 && word.Type <= 21 && !kanaFollows;
        float cost = Weights.Word + Weights.Rank * word.Cost +
                     (bareStem ? Weights.BareStem : 0.0f) +
                     (j == i + 1 && kanjiNear ? Weights.LoneKanji : 0.0f);
        if (loneKanji) {
          float sino = SinoOf(characters.ReadingsOf(character, place), word.Reading);
          for (const TPartial& p : best[i].Partials())
            OfferWord(best[j], p, word.Reading,
                      cost - pairBonus(p, character, word.Reading, Weights.Pair), joined, Weights,
                      character, word.Reading, sino, sino);
          continue;
        }
        std::string_view firstPiece, lastPiece;
        if (Weights.WordPair != 0.0f) {
          if (kanji)
            firstPiece =
                PieceAtEnd(characters.ReadingsOf(character, TPlace::Initial), word.Reading, false);
          if (!lastKanji.empty())
            lastPiece =
                PieceAtEnd(characters.ReadingsOf(lastKanji, TPlace::Final), word.Reading, true);
        }
        float sinoFirst =
            firstPiece.empty()
                ? -1.0f
                : SinoOf(characters.ReadingsOf(character, TPlace::Initial), firstPiece);
        float sinoLast = lastPiece.empty()
                             ? -1.0f
                             : SinoOf(characters.ReadingsOf(lastKanji, TPlace::Final), lastPiece);
        for (const TPartial& p : best[i].Partials())
          OfferWord(
              best[j], p, word.Reading,
              cost - (firstPiece.empty() ? 0.0f
                                         : pairBonus(p, character, firstPiece, Weights.WordPair)),
              joined, Weights, lastPiece.empty() ? std::string_view() : lastKanji, lastPiece,
              sinoFirst, sinoLast);
      }
    }
  }
  repriceAlike(count);
  return RankedReadings(Index, Weights, best[count].Partials(), notation.substr(0, starts[1]),
                        characterAt(count - 1));
}
