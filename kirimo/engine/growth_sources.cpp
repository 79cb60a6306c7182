#include "kirimo/engine/growth_sources.h"

#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"

namespace {

std::string KeyOf(std::string reading, const std::string& notation, int type, int form) {
  std::string key = std::move(reading);
  key += '\0';
  key += notation;
  key += '\0';
  key += std::to_string(type);
  key += ',';
  key += std::to_string(form);
  return key;
}

bool SameWord(const TWord& a, const TWord& b) {
  return a.Reading() == b.Reading() && a.Notation() == b.Notation() && a.WordType() == b.WordType();
}

// Node by node, skipping nodes that add no word: equal words in equal forms.
bool SameSpelling(const TPhrase* a, const TPhrase* b) {
  for (;;) {
    while (a != nullptr && a->Word() == nullptr) a = a->Previous();
    while (b != nullptr && b->Word() == nullptr) b = b->Previous();
    if (a == b) return true;
    if (a == nullptr || b == nullptr) return false;
    if (a->Form() != b->Form() || !SameWord(*a->Word(), *b->Word())) return false;
    a = a->Previous();
    b = b->Previous();
  }
}

}  // namespace

bool TGrowthSources::Insert(std::string key) { return Seen.insert(std::move(key)).second; }

bool TGrowthSources::IsNew(const TPhrase& phrase) {
  const TWord* last = phrase.LastWord();
  if (last == nullptr) return true;
  if (LastPhrase != nullptr && SameSpelling(&phrase, LastPhrase)) return false;
  LastPhrase = &phrase;
  return Insert(
      KeyOf(phrase.GetReading(), phrase.GetNotation(), last->WordType(), phrase.LastForm()));
}

bool TGrowthSources::IsNew(const TWord& word) {
  if (LastWord != nullptr && SameWord(word, *LastWord)) return false;
  LastWord = &word;
  return Insert(KeyOf(word.Reading(), word.Notation(), word.WordType(), -1));
}
