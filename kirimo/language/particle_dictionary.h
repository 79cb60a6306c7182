#pragma once
// The particle table as a dictionary: its words are the followers the
// connection rules hand out by id, its phrases every existing form of every
// entry, offered at the start of an input.
#include <vector>

#include "common/string_list.h"
#include "kirimo/language/dictionary.h"
#include "kirimo/language/phrase_pool.h"
#include "kirimo/language/word.h"

class TDictionaryJPSub : public TDictionary {
 public:
  // From the built-in particle table.
  TDictionaryJPSub();
  // From particle-table lines "id,key,reading,notation,type"; lines starting
  // with ";" and lines of fewer fields are skipped.
  explicit TDictionaryJPSub(const TStringList& particleLines);

  // The first word with that id, or none.
  const TWord* FindWordById(int id) const;
  // Every form of every word whose reading is not empty, in word order, then form order.
  const std::vector<const TPhrase*>& GetPhrases() const { return Phrases; }
  const std::vector<TWord>& GetWords() const { return Words; }

 private:
  std::vector<int> Ids;
  std::vector<TWord> Words;
  TPhrasePool Pool;
  std::vector<const TPhrase*> Phrases;
};
