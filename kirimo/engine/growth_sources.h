#pragma once
// Phrases that spell the same reading and notation and end in the same word
// type and form grow into the same phrases, and equal words expand equally: a
// dictionary that holds one word a million times must not make one key step
// grow it a million times. Used for one step, then dropped.
#include <string>
#include <unordered_set>

class TPhrase;
class TWord;

class TGrowthSources {
 public:
  // True the first time a phrase of this spelling is offered.
  bool IsNew(const TPhrase& phrase);
  // True the first time a word of this reading, notation and type is offered.
  bool IsNew(const TWord& word);

 private:
  bool Insert(std::string key);

  // Runs of equal words or phrases cost no key.
  const TWord* LastWord = nullptr;
  const TPhrase* LastPhrase = nullptr;
  std::unordered_set<std::string> Seen;
};
