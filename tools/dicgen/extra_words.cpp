#include "tools/dicgen/extra_words.h"

#include <string>
#include <unordered_set>

#include "common/comma_list.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"
#include "kirimo/language/grammar_tables.h"

namespace {

constexpr int kOther = 0;

// Kana whose own sound has no half-width katakana: read as their nearest large kana.
std::string ReadingOf(const std::string& kana) {
  static const std::pair<const char*, const char*> kNearest[] = {
      {"ゐ", "ｲ"}, {"ヰ", "ｲ"}, {"ゑ", "ｴ"}, {"ヱ", "ｴ"},
      {"ゎ", "ﾜ"}, {"ヮ", "ﾜ"}, {"ヵ", "ｶ"}, {"ヶ", "ｹ"},
  };
  for (const auto& [from, to] : kNearest) {
    if (kana == from) return to;
  }
  return HalfWidthKatakanaReading(ToKatakana(kana));
}

const std::unordered_set<std::string>& GrammarParticles() {
  static const std::unordered_set<std::string> notations = [] {
    std::unordered_set<std::string> result;
    for (const std::string& line : BuiltInParticles()) {
      TStringList fields = SplitCommaList(line);
      if (fields.size() >= 4) result.insert(fields[3]);
    }
    return result;
  }();
  return notations;
}

}  // namespace

std::vector<TDicWord> KanaSyllableWords() {
  std::vector<TDicWord> words;
  auto add = [&](char32_t first, char32_t last) {
    for (char32_t c = first; c <= last; ++c) {
      std::string utf8;
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
      std::string kana = Utf8ToCp932(utf8);
      if (Cp932ToUtf8(kana) != utf8) continue;  // no CP932 form (ゔ, ゕ, ゖ)
      std::string reading = ReadingOf(kana);
      if (!reading.empty()) words.push_back({reading, kana, kOther, TDicTarget::Base});
    }
  };
  add(U'ぁ', U'ゖ');
  add(U'ァ', U'ヶ');
  add(U'ー', U'ー');
  return words;
}

bool IsMissingParticle(const TIpadicRow& row) {
  return row.PartOfSpeech == "助詞" && row.BaseFormInCp932 &&
         !GrammarParticles().contains(row.BaseForm);
}
