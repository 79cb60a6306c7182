#include "kirimo/cartridge_set/revolver_build.h"

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_set/history_file_check.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/modes/cartridge_nm.h"
#include "kirimo/modes/cartridge_vk.h"
#include "kirimo/modes/dictionary_vk.h"

namespace {

std::unique_ptr<TCartridge> CreateJapanese(const TAppIni& settings, const TDicSettings& section,
                                           const TDictionaryManager* manager,
                                           TDictionaryEXT* dictionary, TDictionaryEXT* user,
                                           TOutputOperations& output) {
  auto cartridge = std::make_unique<TCartridgeEXT>(settings, output);
  cartridge->SetDictionary(dictionary);
  cartridge->SetUserDictionary(user);
  if (NamesProgramFile(section.HistoryFile, settings, manager)) {
    cartridge->RefuseHistoryFile(section.HistoryCount);
  } else {
    cartridge->LoadHistory(section.HistoryFile, section.HistoryCount);
  }
  cartridge->SetSymbolList(section.SymbolName);
  cartridge->SetStartUpLayout(section.StartUpKey);
  return cartridge;
}

}  // namespace

std::unique_ptr<TRevolver> CreateRevolver(const TAppIni& settings,
                                          const TDictionaryManager* manager,
                                          TOutputOperations& output, const TClock& clock) {
  auto revolver = std::make_unique<TRevolver>();
  for (int i = 0; manager != nullptr && i < TDictionaryManager::MainCount; ++i) {
    TDictionaryEXT* dictionary = manager->Main(i);
    if (dictionary == nullptr) continue;
    const TDicSettings& section = i == 0 ? settings.BaseDic : settings.ExtDics[i - 1];
    revolver->Add(CreateJapanese(settings, section, manager, dictionary, manager->User(i), output),
                  true);
  }
  if (!settings.NmDicName.empty()) {
    revolver->Add(std::make_unique<TCartridgeNM>(settings, output, clock), false);
  }
  if (manager != nullptr && manager->VirtualKeyDictionary() != nullptr) {
    auto cartridge = std::make_unique<TCartridgeVK>(settings, output);
    cartridge->SetDictionary(manager->VirtualKeyDictionary());
    revolver->Add(std::move(cartridge), false);
  }
  return revolver;
}
