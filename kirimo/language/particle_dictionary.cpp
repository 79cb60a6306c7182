#include "kirimo/language/particle_dictionary.h"

#include <charconv>

#include "common/comma_list.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/grammar_data.h"

TDictionaryJPSub::TDictionaryJPSub() : TDictionaryJPSub(GetGrammarData().Particles()) {}

TDictionaryJPSub::TDictionaryJPSub(const TStringList& particleLines) : TDictionary("JPSub", "") {
  for (const std::string& line : particleLines) {
    if (line.empty() || line[0] == ';') continue;
    TStringList fields = SplitCommaList(line);
    if (fields.size() < 5) continue;
    int id = 0;
    std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), id);
    Ids.push_back(id);
    Words.push_back(TWord::FromParticleLine(fields[1], fields[2], fields[3], fields[4]));
  }
  // The phrases point into Words, which no longer grows.
  const TConjugation& conjugation = GetConjugation();
  for (const TWord& word : Words) {
    const auto& endings = conjugation.EndingList(word.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (endings[form] == "_") continue;
      TPhrase phrase(word, form);
      if (!phrase.GetNormalizedReading().empty()) Phrases.push_back(Pool.New(phrase));
    }
  }
}

const TWord* TDictionaryJPSub::FindWordById(int id) const {
  for (std::size_t i = 0; i < Ids.size(); ++i)
    if (Ids[i] == id) return &Words[i];
  return nullptr;
}
