#pragma once
// The dialogs' view of the dictionary manager.
#include "kirimo/dictionary_dialogs/dictionary_finder.h"

class TAppIni;
class TDictionaryManager;

class TManagerDictionaryFinder : public TDictionaryFinder {
 public:
  // Both outlive the finder.
  TManagerDictionaryFinder(const TDictionaryManager& manager, const TAppIni& settings)
      : Manager(manager), Settings(settings) {}
  TDictionary* FindByName(std::string_view name) const override;
  TDictionary* FindUserByName(std::string_view name) const override;
  TStringList RegistrableNames() const override;

 private:
  const TDictionaryManager& Manager;
  const TAppIni& Settings;
};
