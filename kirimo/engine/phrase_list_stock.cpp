#include "kirimo/engine/phrase_list_stock.h"

std::shared_ptr<TPhraseList> TPhraseListStock::Find(std::string_view key) const {
  for (std::size_t i = 0; i < Keys.size(); ++i) {
    if (Keys[i] == key) return Lists[i];
  }
  return nullptr;
}

std::shared_ptr<TPhraseList> TPhraseListStock::Add(std::string key,
                                                   std::shared_ptr<TPhraseList> list) {
  Keys.push_back(std::move(key));
  Lists.push_back(list);
  return list;
}

void TPhraseListStock::Clear() {
  Lists.clear();
  Keys.clear();
}
