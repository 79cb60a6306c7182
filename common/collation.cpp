#include "common/collation.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

// Kana that sort alike at first, in table order; a group lists the plain
// form's variants (small, voiced, semi-voiced) in their tie order.
constexpr const char* KanaGroups[] = {
    "ぁあ", "ぃい", "ぅう", "ぇえ", "ぉお", "かが",   "きぎ",   "くぐ",   "けげ",   "こご",
    "さざ", "しじ", "すず", "せぜ", "そぞ", "ただ",   "ちぢ",   "っつづ", "てで",   "とど",
    "な",   "に",   "ぬ",   "ね",   "の",   "はばぱ", "ひびぴ", "ふぶぷ", "へべぺ", "ほぼぽ",
    "ま",   "み",   "む",   "め",   "も",   "ゃや",   "ゅゆ",   "ょよ",   "ら",     "り",
    "る",   "れ",   "ろ",   "ゎわ", "ゐ",   "ゑ",     "を",     "ん",
};

struct TWeight {
  std::uint32_t Primary = 0;
  std::uint32_t Secondary = 0;
};

constexpr std::uint32_t LongMarkWeight = 0x2000;
constexpr std::uint32_t KanaBase = 0x2001;
constexpr std::uint32_t LatinBase = 0x1000;
constexpr std::uint32_t OtherBase = 0x10000;

std::uint32_t CodeOf(std::string_view c) {
  std::uint32_t code = static_cast<unsigned char>(c[0]);
  if (c.size() == 2) code = code << 8 | static_cast<unsigned char>(c[1]);
  return code;
}

// Weights of the two-byte hiragana 0x829F-0x82F2 and the long mark.
const std::array<TWeight, 0x60>& KanaWeights() {
  static const std::array<TWeight, 0x60> Table = [] {
    std::array<TWeight, 0x60> table{};
    std::uint32_t group = 0;
    for (const char* members : KanaGroups) {
      std::uint32_t variant = 0;
      ForEachChar(members, [&](std::string_view c) {
        std::uint32_t index = CodeOf(c) - 0x829F;
        if (index < table.size()) table[index] = {KanaBase + group, variant};
        ++variant;
      });
      ++group;
    }
    return table;
  }();
  return Table;
}

TWeight WeightOf(std::string_view c) {
  std::uint32_t code = CodeOf(c);
  if (code >= 0x829F && code < 0x829F + 0x60) {
    TWeight weight = KanaWeights()[code - 0x829F];
    if (weight.Primary != 0) return weight;
  }
  if (code == 0x815B) return {LongMarkWeight, 0};                                        // ー
  if (code >= 0x824F && code <= 0x8258) return {LatinBase + (code - 0x824F), 0};         // ０-９
  if (code >= 0x8260 && code <= 0x8279) return {LatinBase + 0x10 + (code - 0x8260), 0};  // Ａ-Ｚ
  if (code >= 0x8281 && code <= 0x829A) return {LatinBase + 0x10 + (code - 0x8281), 1};  // ａ-ｚ
  return {OtherBase + code, 0};
}

// Both scripts and both widths compare as full-width hiragana (ｶﾞ becomes が
// as one character); what each character was only breaks ties, by its bytes.
std::vector<TWeight> WeightsOf(std::string_view text) {
  std::vector<TWeight> weights;
  ForEachChar(ToHiragana(ToFullWidth(text)),
              [&weights](std::string_view c) { weights.push_back(WeightOf(c)); });
  return weights;
}

template <typename TField>
int CompareBy(const std::vector<TWeight>& a, const std::vector<TWeight>& b, TField field) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (field(a[i]) != field(b[i])) return field(a[i]) < field(b[i]) ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  std::vector<TWeight> left = WeightsOf(a);
  std::vector<TWeight> right = WeightsOf(b);
  if (int primary = CompareBy(left, right, [](const TWeight& w) { return w.Primary; })) {
    return primary;
  }
  if (int secondary = CompareBy(left, right, [](const TWeight& w) { return w.Secondary; })) {
    return secondary;
  }
  int bytes = a.compare(b);
  return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}
