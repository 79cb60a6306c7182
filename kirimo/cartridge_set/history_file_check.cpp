#include "kirimo/cartridge_set/history_file_check.h"

#include "common/same_file.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/modes/dictionary_vk.h"

bool NamesProgramFile(std::string_view path, const TAppIni& settings,
                      const TDictionaryManager* manager) {
  if (NameSameFile(path, settings.IniPath)) return true;
  if (manager == nullptr) return false;
  for (int i = 0; i < TDictionaryManager::MainCount; ++i) {
    for (const TDictionary* dictionary : {manager->Main(i), manager->User(i)})
      if (dictionary && NameSameFile(path, dictionary->GetFileName())) return true;
  }
  const TDictionary* keys = manager->VirtualKeyDictionary();
  return keys && NameSameFile(path, keys->GetFileName());
}
