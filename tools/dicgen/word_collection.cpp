#include "tools/dicgen/word_collection.h"

#include <algorithm>
#include <utility>

#include "common/dictionary_line.h"
#include "tools/dicgen/junk_rules.h"

namespace {

std::string PairKey(const std::string& reading, const std::string& notation) {
  return reading + '\t' + notation;
}

const char* RuleName(TJunk junk) {
  switch (junk) {
    case TJunk::MixedScript:
      return "mixed script";
    case TJunk::LatinByReading:
      return "Latin by reading";
    case TJunk::HalfKana:
      return "kana for kanji";
    case TJunk::None:
      break;
  }
  return "";
}

}  // namespace

void TWordCollection::Add(const TDicWord& word, int rank, const char* source) {
  Words.push_back({word, rank, source});
  Pairs.insert(PairKey(word.Reading, word.Notation));
}

void TWordCollection::Append(const TWordCollection& other) {
  Words.insert(Words.end(), other.Words.begin(), other.Words.end());
  Pairs.insert(other.Pairs.begin(), other.Pairs.end());
}

bool TWordCollection::Has(const std::string& reading, const std::string& notation) const {
  return Pairs.contains(PairKey(reading, notation));
}

std::vector<TCollectedWord> TWordCollection::Cleaned(std::map<std::string, int>& dropped,
                                                     int& repeats) const {
  std::vector<TDicWord> words;
  words.reserve(Words.size());
  for (const auto& collected : Words) words.push_back(collected.Word);
  std::vector<bool> halfKana = HalfKanaSpellings(words);

  std::vector<TCollectedWord> kept;
  kept.reserve(Words.size());
  std::unordered_map<std::string, std::size_t> placeOfLine;
  for (std::size_t i = 0; i < Words.size(); ++i) {
    TJunk junk = halfKana[i] ? TJunk::HalfKana : JunkOf(Words[i].Word);
    if (junk != TJunk::None) {
      ++dropped[RuleName(junk)];
      continue;
    }
    const TDicWord& word = Words[i].Word;
    // Proper nouns and common words are told apart by a prefix on the key.
    std::string key = word.Target == TDicTarget::Proper ? "P" : "C";
    key += FormatDictionaryLine(word.Reading, word.Notation, word.Type);
    auto [place, added] = placeOfLine.emplace(std::move(key), kept.size());
    if (added) {
      kept.push_back(Words[i]);
    } else {
      ++repeats;
      kept[place->second].Rank = std::min(kept[place->second].Rank, Words[i].Rank);
    }
  }
  return kept;
}
