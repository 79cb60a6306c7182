#pragma once
// The first-key phrase lists, kept by the letters they were built for, so that
// typing the same first key again, and the idle prebuild, cost one lookup.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kirimo/engine/phrase_list.h"

class TPhraseListStock {
 public:
  // The list stored under key, or none.
  TPhraseList* Find(std::string_view key) const;
  // Stores the list under key and answers it.
  TPhraseList* Add(std::string key, std::unique_ptr<TPhraseList> list);
  // Frees every stored list: no list may delegate to one of them any more.
  void Clear();
  std::size_t Count() const { return Keys.size(); }

 private:
  std::vector<std::string> Keys;
  std::vector<std::unique_ptr<TPhraseList>> Lists;
};
