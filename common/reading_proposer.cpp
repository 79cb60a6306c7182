#include "common/reading_proposer.h"

#include <algorithm>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

// Costs of the compound search, in the units of TReadingIndex::CostOfRank.
// Each extra word costs more than a rarer reading of a longer one: compounds
// are read by their longest known parts.
constexpr float WordCost = 12.0f;
constexpr float SelfReadingCost = 1.0f;  // a kana read as itself
constexpr float VoicedCost = 6.0f;       // 本棚: ﾎﾝ + ﾀﾅ -> ﾎﾝﾀﾞﾅ
constexpr float GeminateCost = 5.0f;     // 学校: ｶﾞｸ + ｺｳ -> ｶﾞｯｺｳ
// One kanji read as compounds read it; plus the share of that reading.
constexpr float CharacterCost = 20.0f;
// A verb or adjective stem without the kana that follow it (書 of 書く).
constexpr float BareStemCost = 8.0f;
// Inside a run of kanji a lone kanji of the dictionary is mostly the wrong
// (native) reading; before kana, the compound reading of a kanji is.
constexpr float LoneKanjiCost = 8.0f;
constexpr float BeforeKanaCost = 20.0f;
// A Sino-Japanese reading next to a native one (湯桶読み) is the rarer compound.
constexpr float MixedCost = 2.0f;
// Partial readings kept per position.
constexpr std::size_t Beam = 8;

struct TPartial {
  float Cost;
  std::string Reading;
  int Kind = 0;  // of the last kanji read alone: 0 unknown, 1 Sino-Japanese, 2 native
};

// The best few distinct readings reaching one position.
class TBest {
 public:
  void Offer(float cost, std::string reading, int kind = 0) {
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
    Items.insert(place, TPartial{cost, std::move(reading), kind});
    if (Items.size() > Beam) Items.pop_back();
  }
  const std::vector<TPartial>& Partials() const { return Items; }

 private:
  std::vector<TPartial> Items;
};

// Sino-Japanese readings of a kanji are one syllable, or two whose second is
// ﾝ, ｲ, ｳ, ｸ, ｷ, ﾂ, ﾁ or ｯ; native ones mostly are not. One syllable tells nothing.
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

// A reading ending in ｯ goes on only with a consonant that doubles.
bool MayFollow(std::string_view before, std::string_view reading) {
  if (before.empty() || before.back() != '\xAF') return true;
  return StartsUnvoiced(reading) ||
         (StartsWithRow(reading, 0xCA, 0xCE) && reading.size() > 1 && reading[1] == '\xDF');
}

void OfferWord(TBest& to, const TPartial& from, std::string_view reading, float cost, bool joined) {
  if (!MayFollow(from.Reading, reading)) return;
  to.Offer(from.Cost + cost, from.Reading + std::string(reading));
  if (!joined || !StartsUnvoiced(reading)) return;
  std::string voiced(reading.substr(0, 1));
  voiced += '\xDE';
  voiced += reading.substr(1);
  to.Offer(from.Cost + cost + VoicedCost, from.Reading + voiced);
  // ｸ, ｷ, ﾁ, ﾂ before ｶ, ｻ, ﾀ, ﾊ rows double the next consonant (ﾊ rows turn to ﾊﾟ).
  const std::string& before = from.Reading;
  if (before.empty()) return;
  unsigned char last = static_cast<unsigned char>(before.back());
  if (last != 0xB8 && last != 0xB7 && last != 0xC1 && last != 0xC2) return;
  if (last != 0xC2 && !StartsWithRow(reading, 0xB6, 0xBA)) return;  // ｸ,ｷ,ﾁ only before ｶ row
  std::string geminate = before.substr(0, before.size() - 1) + "ｯ";
  if (StartsWithRow(reading, 0xCA, 0xCE)) {
    geminate += reading.substr(0, 1);
    geminate += '\xDF';
    geminate += reading.substr(1);
  } else {
    geminate += reading;
  }
  to.Offer(from.Cost + cost + GeminateCost, std::move(geminate));
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
  std::vector<TBest> best(count + 1);
  best[0].Offer(0, {});

  for (std::size_t i = 0; i < count; ++i) {
    if (best[i].Partials().empty()) continue;
    std::string_view character = notation.substr(starts[i], starts[i + 1] - starts[i]);
    bool joined = i > 0;
    if (ReadsAsItself(character) || IsKana(character)) {
      // A run of letters and digits is one word; kana may still begin a word.
      std::size_t end = i + 1;
      bool letters = ReadsAsItself(character);
      while (letters && end < count &&
             ReadsAsItself(notation.substr(starts[end], starts[end + 1] - starts[end])))
        ++end;
      std::string reading =
          ToHalfWidth(ToKatakana(notation.substr(starts[i], starts[end] - starts[i])));
      if (IsSingleByteText(reading))  // ヶ has no half-width form
        for (const TPartial& p : best[i].Partials())
          best[end].Offer(p.Cost + SelfReadingCost * static_cast<float>(end - i),
                          p.Reading + reading);
      // The small ヶ of place names (霞ヶ関) and a ケ between kanji.
      bool small = character == "ヶ" || character == "ヵ";
      if (small || (character == "ケ" && joined && i + 1 < count)) {
        for (const TPartial& p : best[i].Partials()) {
          best[end].Offer(p.Cost + SelfReadingCost * (small ? 0.5f : 2.0f), p.Reading + "ｶﾞ");
          if (small) best[end].Offer(p.Cost + SelfReadingCost * 2.0f, p.Reading + "ｶ");
          if (small) best[end].Offer(p.Cost + SelfReadingCost, p.Reading + "ｹ");
        }
      }
      if (letters) continue;
    }
    bool kanaNext =
        i + 1 < count && IsKana(notation.substr(starts[i + 1], starts[i + 2] - starts[i + 1]));
    bool kanjiNear =
        (i > 0 && IsKanji(notation.substr(starts[i - 1], starts[i] - starts[i - 1]))) ||
        (i + 1 < count && IsKanji(notation.substr(starts[i + 1], starts[i + 2] - starts[i + 1])));
    bool kanjiNext =
        i + 1 < count && IsKanji(notation.substr(starts[i + 1], starts[i + 2] - starts[i + 1]));
    using TPlace = TCharacterReadings::TPlace;
    TPlace place = i == 0 ? TPlace::Initial : kanjiNext ? TPlace::Middle : TPlace::Final;
    for (const auto& reading : Index.CharacterReadings().ReadingsOf(character, place)) {
      int kind = KindOf(reading.Text);
      for (const TPartial& p : best[i].Partials()) {
        if (!MayFollow(p.Reading, reading.Text)) continue;
        float mixed = p.Kind != 0 && kind != 0 && p.Kind != kind ? MixedCost : 0.0f;
        best[i + 1].Offer(
            p.Cost + CharacterCost + reading.Cost + mixed + (kanaNext ? BeforeKanaCost : 0.0f),
            p.Reading + reading.Text, kind);
      }
    }
    for (std::size_t j = i + 1; j <= count; ++j) {
      std::size_t length = starts[j] - starts[i];
      if (length > Index.LongestNotation()) break;
      int entry = Index.Find(notation.substr(starts[i], length));
      bool kanaFollows = j < count && IsKana(notation.substr(starts[j], starts[j + 1] - starts[j]));
      for (; entry >= 0; entry = Index.Entry(entry).Next) {
        const TReadingIndex::TEntry& word = Index.Entry(entry);
        bool bareStem = word.Type >= 2 && word.Type <= 21 && !kanaFollows;
        float cost = WordCost + word.Cost + (bareStem ? BareStemCost : 0.0f) +
                     (j == i + 1 && kanjiNear ? LoneKanjiCost : 0.0f);
        for (const TPartial& p : best[i].Partials())
          OfferWord(best[j], p, word.Reading, cost, joined);
      }
    }
  }
  TStringList readings;
  for (const TPartial& p : best[count].Partials()) {
    if (readings.size() == MaxProposals) break;
    if (!MayFollow(p.Reading, {})) continue;
    readings.push_back(p.Reading);
  }
  return readings;
}
