#include "kirimo/engine/manager_dictionary_finder.h"

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/engine/dictionary_manager.h"

TDictionary* TManagerDictionaryFinder::FindByName(std::string_view name) const {
  return Manager.FindByName(name);
}

TDictionary* TManagerDictionaryFinder::FindUserByName(std::string_view name) const {
  return Manager.FindUserByName(name);
}

TStringList TManagerDictionaryFinder::RegistrableNames() const {
  TStringList names = {Settings.BaseDic.DicName};
  for (int index = 1; index < TDictionaryManager::MainCount; ++index)
    if (const TDictionaryEXT* dictionary = Manager.Main(index))
      names.push_back(dictionary->GetName());
  return names;
}
