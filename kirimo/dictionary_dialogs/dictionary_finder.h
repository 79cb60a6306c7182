#pragma once
// What the dialogs need of the dictionary manager, which sits above this folder.
#include <string_view>

#include "common/string_list.h"

class TDictionary;

class TDictionaryFinder {
 public:
  virtual ~TDictionaryFinder() = default;
  // The first of base, EXT1, EXT2, EXT3 with exactly this name; null for none.
  virtual TDictionary* FindByName(std::string_view name) const = 0;
  // The user dictionary paired with that dictionary; null for none.
  virtual TDictionary* FindUserByName(std::string_view name) const = 0;
  // The names words can be registered under: the base dictionary's display
  // name, then those of the extension dictionaries that exist.
  virtual TStringList RegistrableNames() const = 0;
};
