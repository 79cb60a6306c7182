#pragma once
// The words of both dictionary files from every source, each with the rank
// that orders it; junk and repeated lines are taken out before writing.
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tools/dicgen/word_mapping.h"

struct TCollectedWord {
  TDicWord Word;
  int Rank = 0;
  const char* Source = "";
};

class TWordCollection {
 public:
  void Add(const TDicWord& word, int rank, const char* source);
  bool Has(const std::string& reading, const std::string& notation) const;
  // Adds the words of another collection after these.
  void Append(const TWordCollection& other);

  // Drops junk (counted by rule in dropped) and repeated lines (the lowest
  // rank stays, at its first place); returns the words left, in order added.
  std::vector<TCollectedWord> Cleaned(std::map<std::string, int>& dropped, int& repeats) const;

 private:
  std::vector<TCollectedWord> Words;
  std::unordered_set<std::string> Pairs;  // reading + notation
};
