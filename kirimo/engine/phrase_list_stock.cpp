#include "kirimo/engine/phrase_list_stock.h"

TPhraseList* TPhraseListStock::Find(std::string_view key) const {
  for (std::size_t i = 0; i < Keys.size(); ++i) {
    if (Keys[i] == key) return Lists[i].get();
  }
  return nullptr;
}

TPhraseList* TPhraseListStock::Add(std::string key, std::unique_ptr<TPhraseList> list) {
  TPhraseList* stored = list.get();
  Keys.push_back(std::move(key));
  Lists.push_back(std::move(list));
  return stored;
}

void TPhraseListStock::Clear() {
  // Lists built later may continue the phrases of earlier ones: free the newest first.
  while (!Lists.empty()) {
    Lists.pop_back();
    Keys.pop_back();
  }
}
