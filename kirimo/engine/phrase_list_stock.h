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
  std::shared_ptr<TPhraseList> Find(std::string_view key) const;
  // Stores the list under key and answers it.
  std::shared_ptr<TPhraseList> Add(std::string key, std::shared_ptr<TPhraseList> list);
  // Lets go of every stored list; lists that delegate to one keep it.
  void Clear();
  std::size_t Count() const { return Keys.size(); }

 private:
  std::vector<std::string> Keys;
  std::vector<std::shared_ptr<TPhraseList>> Lists;
};
