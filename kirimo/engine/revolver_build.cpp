#include "kirimo/engine/revolver_build.h"

#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/app_ini.h"

namespace {

std::unique_ptr<TCartridge> CreateJapanese(const TAppIni& settings, const TDicSettings& section,
                                           TDictionaryEXT* dictionary, TDictionaryEXT* user,
                                           TOutputOperations& output) {
  auto cartridge = std::make_unique<TCartridgeEXT>(settings, output);
  cartridge->SetDictionary(dictionary);
  cartridge->SetUserDictionary(user);
  cartridge->LoadHistory(section.HistoryFile, section.HistoryCount);
  cartridge->SetSymbolList(section.SymbolName);
  cartridge->SetStartUpLayout(section.StartUpKey);
  return cartridge;
}

}  // namespace

std::unique_ptr<TRevolver> CreateRevolver(const TAppIni& settings,
                                          const TDictionaryManager* manager,
                                          TOutputOperations& output) {
  auto revolver = std::make_unique<TRevolver>();
  if (manager == nullptr) return revolver;
  for (int i = 0; i < TDictionaryManager::MainCount; ++i) {
    TDictionaryEXT* dictionary = manager->Main(i);
    if (dictionary == nullptr) continue;
    const TDicSettings& section = i == 0 ? settings.BaseDic : settings.ExtDics[i - 1];
    revolver->Add(CreateJapanese(settings, section, dictionary, manager->User(i), output), true);
  }
  return revolver;
}
