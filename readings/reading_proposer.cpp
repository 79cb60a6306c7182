#include "readings/reading_proposer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"
#include "readings/partial_readings.h"

namespace {

// The longest part a notation is cut into, in characters: lookups of longer
// ones would make every position of a long word cost as much as the longest
// notation of any file. Longer notations are still read when asked for whole.
constexpr std::size_t LongestPart = 32;

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
bool AfterLink(const TPartial& before) {
  return before.Last() == 0xC9 || (before.BeforeLast() == 0xB6 && before.Last() == 0xDE);
}

// A reading ending in ｯ (last is its last byte) goes on only with a consonant
// that doubles.
bool MayFollow(unsigned char last, std::string_view reading) {
  if (last != 0xAF) return true;
  return StartsUnvoiced(reading) ||
         (StartsWithRow(reading, 0xCA, 0xCE) && reading.size() > 1 && reading[1] == '\xDF');
}

// ｸ, ｷ before the ｶ row and ﾁ, ﾂ before the ｶ, ｻ, ﾀ, ﾊ rows double the next
// consonant (学校 ｶﾞｯｺｳ, 一体 ｲｯﾀｲ; the ﾊ row turns to ﾊﾟ: 一本 ｲｯﾎﾟﾝ).
void OfferGeminate(TBest& to, const TPartial& from, std::string_view reading, float cost) {
  if (from.Before == nullptr || !StartsUnvoiced(reading)) return;
  unsigned char last = from.Last();
  if (last != 0xB8 && last != 0xB7 && last != 0xC1 && last != 0xC2) return;
  if ((last == 0xB8 || last == 0xB7) && !StartsWithRow(reading, 0xB6, 0xBA)) return;
  // The doubled consonant takes the place of from's last byte, so the new
  // piece goes on from where from's own began.
  std::string geminate = from.Piece.substr(0, from.Piece.size() - 1) + "ｯ";
  if (StartsWithRow(reading, 0xCA, 0xCE)) {
    geminate += reading.substr(0, 1);
    geminate += '\xDF';
    geminate += reading.substr(1);
  } else {
    geminate += reading;
  }
  to.Offer(from.Cost + cost, *from.Before, geminate);
}

// A word of the dictionaries after a partial reading, with the sound changes
// its join may take. lastKanji ends the word, read lastPiece, when known.
void OfferWord(TBest& to, const TPartial& from, std::string_view reading, float cost, bool joined,
               const TProposalWeights& weights, std::string_view lastKanji,
               std::string_view lastPiece, float sinoFirst = -1.0f, float sinoLast = -1.0f) {
  if (!MayFollow(from.Last(), reading)) return;
  if (from.Sino >= 0.0f && sinoFirst >= 0.0f)
    cost += weights.Mixed * std::abs(from.Sino - sinoFirst);
  to.Offer(from.Cost + cost, from, reading, sinoLast, lastKanji, lastPiece);
  if (!joined || !StartsUnvoiced(reading)) return;
  float link = AfterLink(from) ? weights.VoicedAfterLink : 0.0f;
  to.Offer(from.Cost + cost + weights.Voiced + link, from, Voiced(reading));
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

float BitsOf(int words) { return std::log2(1.0f + static_cast<float>(words)); }

// Off the cost of a partial reading of the first j characters (two or more):
// the words that begin with those characters and go on to read them so.
float BeginningBits(const TReadingIndex& index, const TProposalWeights& weights,
                    std::string_view notation, const std::vector<std::size_t>& starts,
                    std::string_view reading, std::size_t j) {
  return weights.Beginning * BitsOf(index.BeginningCount(notation.substr(0, starts[j]), reading));
}

// Off the cost of a reading of the whole notation: as BeginningBits, and the
// words that end like it (in up to LongestPart characters), each from where
// the partial reading was cut before that ending: the longest reading held
// there that it begins with (none after a doubled consonant: 学校).
float WholeBits(const TReadingIndex& index, const TProposalWeights& weights,
                std::string_view notation, const std::vector<std::size_t>& starts,
                const std::vector<TBest>& best, std::string_view reading) {
  const std::size_t count = starts.size() - 1;
  float bits = count >= 2 && count <= LongestPart
                   ? BeginningBits(index, weights, notation, starts, reading, count)
                   : 0.0f;
  // Hashes of the reading's beginnings tell at once whether a partial is one.
  std::vector<std::uint64_t> beginnings(reading.size() + 1, HashOfReading({}));
  for (std::size_t k = 0; k < reading.size(); ++k)
    beginnings[k + 1] = HashOfReading(reading.substr(k, 1), beginnings[k]);
  for (std::size_t i = count > LongestPart ? count - LongestPart : 0; i + 2 <= count; ++i) {
    std::size_t cut = i == 0 ? 0 : std::string_view::npos;
    for (const TPartial& p : best[i].Partials())
      if (p.Size <= reading.size() && beginnings[p.Size] == p.Hash &&
          (cut == std::string_view::npos || p.Size > cut))
        cut = p.Size;
    if (cut != std::string_view::npos)
      bits += weights.Ending *
              BitsOf(index.EndingCount(notation.substr(starts[i]), reading.substr(cut)));
  }
  return bits;
}

// The readings of the whole notation, those other words share first: names
// and places share readings much more than spellings, above all with the same
// kanji at the same end (first and last are the notation's end characters).
TStringList RankedReadings(const TReadingIndex& index, const TProposalWeights& weights,
                           std::string_view notation, const std::vector<std::size_t>& starts,
                           const std::vector<TBest>& best) {
  const std::size_t count = starts.size() - 1;
  struct TFinished {
    float Cost;
    std::string Reading;
  };
  std::vector<TFinished> finished;
  for (const TPartial& p : best[count].Partials()) {
    TFinished& f = finished.emplace_back(TFinished{p.Cost, {}});
    p.ReadingInto(f.Reading);
    f.Cost -= WholeBits(index, weights, notation, starts, best, f.Reading);
  }
  auto cheaperFirst = [](const TFinished& x, const TFinished& y) { return x.Cost < y.Cost; };
  std::stable_sort(finished.begin(), finished.end(), cheaperFirst);
  std::string_view first = notation.substr(0, starts[1]);
  std::string_view last = notation.substr(starts[count - 1]);
  for (TFinished& f : finished)
    f.Cost -= weights.SharedReading * BitsOf(index.ReadingCount(f.Reading)) +
              weights.SharedEnds * (BitsOf(index.ReadingCount(f.Reading, first, true)) +
                                    BitsOf(index.ReadingCount(f.Reading, last, false)));
  std::stable_sort(finished.begin(), finished.end(), cheaperFirst);
  TStringList readings;
  for (TFinished& f : finished) {
    if (readings.size() == TReadingProposer::MaxProposals) break;
    if (MayFollow(static_cast<unsigned char>(f.Reading.back()), {}))
      readings.push_back(std::move(f.Reading));
  }
  return readings;
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
  best[0].OfferEmpty();
  std::string written;  // one partial's reading, to be counted among other words
  for (std::size_t i = 0; i < count; ++i) {
    if (best[i].Partials().empty()) continue;
    if (i >= 2 && i <= LongestPart)
      best[i].Reprice([&](const TPartial& p) {
        p.ReadingInto(written);
        return -BeginningBits(Index, Weights, notation, starts, written, i);
      });
    std::string_view character = characterAt(i);
    bool joined = i > 0;
    if (ReadsAsItself(character) || IsKana(character)) {
      // A run of letters and digits is one word; kana may still begin a word.
      std::size_t end = i + 1;
      bool letters = ReadsAsItself(character);
      while (letters && end < count && ReadsAsItself(characterAt(end))) ++end;
      std::string itself =
          ToHalfWidth(ToKatakana(notation.substr(starts[i], starts[end] - starts[i])));
      if (IsSingleByteText(itself))  // ヶ has no half-width form
        for (const TPartial& p : best[i].Partials())
          best[end].Offer(p.Cost + Weights.SelfReading * static_cast<float>(end - i), p, itself);
      // The small ヶ of place names (霞ヶ関) and a ケ between kanji.
      bool small = character == "ヶ" || character == "ヵ";
      if (small || (character == "ケ" && joined && i + 1 < count)) {
        for (const TPartial& p : best[i].Partials()) {
          best[end].Offer(p.Cost + (small ? Weights.SmallKeVoiced : Weights.KeVoiced), p, "ｶﾞ");
          if (small) best[end].Offer(p.Cost + Weights.SelfReading * 2.0f, p, "ｶ");
          if (small) best[end].Offer(p.Cost + Weights.SelfReading, p, "ｹ");
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
        if (!MayFollow(p.Last(), reading.Text)) continue;
        float mixed = p.Sino < 0.0f ? 0.0f : Weights.Mixed * std::abs(p.Sino - reading.Sino);
        if (joined && StartsVoiced(reading.Text) && AfterLink(p)) mixed += Weights.VoicedAfterLink;
        best[i + 1].Offer(
            p.Cost + cost + mixed - pairBonus(p, character, reading.Text, Weights.Pair), p,
            reading.Text, reading.Sino, character, reading.Text);
      }
    }
    for (std::size_t j = i + 1; j <= count && j - i <= LongestPart; ++j) {
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
  return RankedReadings(Index, Weights, notation, starts, best);
}
