#include "kirimo/engine/dictionary_manager.h"

#include <atomic>
#include <filesystem>
#include <string>

#include "common/file_path.h"
#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "kirimo/modes/dictionary_vk.h"
#include "kirimo/cartridge_base/app_ini.h"

namespace {

constexpr const char* UserNames[TDictionaryManager::MainCount] = {"BaseUsr", "EXT1Usr", "EXT2Usr",
                                                                  "EXT3Usr"};

const TDicSettings& SectionOf(const TAppIni& settings, int index) {
  return index == 0 ? settings.BaseDic : settings.ExtDics[index - 1];
}

std::atomic<TDictionaryManager*> ProgramManager{nullptr};

}  // namespace

TDictionaryManager::TDictionaryManager(const TAppIni& settings) : Settings(settings) {
  std::error_code ignored;  // a folder that cannot be made shows as missing files
  std::filesystem::create_directories(NativePath(settings.DicFolder), ignored);
  for (int index = 0; index < MainCount; ++index) {
    const TDicSettings& section = SectionOf(settings, index);
    if (!section.DicName.empty() && !section.DicFile.empty() && FileExists(section.DicFile))
      Open(index, section.DicName, section.DicFile);
  }
  if (!settings.VkDicName.empty() && !settings.VkDicFile.empty() && FileExists(settings.VkDicFile))
    VirtualKeys = std::make_unique<TDictionaryVK>(settings.VkDicName, settings.VkDicFile);
}

TDictionaryManager::~TDictionaryManager() {
  VirtualKeys.reset();
  for (auto& main : Mains) main.reset();
  for (auto& user : Users) user.reset();
}

void TDictionaryManager::Open(int index, std::string_view name, std::string_view file) {
  // Both or neither, also when the user file cannot be made.
  auto main = std::make_unique<TDictionaryEXT>(std::string(name), std::string(file));
  Users[index] = std::make_unique<TDictionaryEXT>(UserNames[index], UserDictionaryPath(file));
  Mains[index] = std::move(main);
}

TDictionaryEXT* TDictionaryManager::FindByName(std::string_view name) const {
  for (const auto& main : Mains)
    if (main && main->GetName() == name) return main.get();
  return nullptr;
}

TDictionaryEXT* TDictionaryManager::FindUserByName(std::string_view name) const {
  for (int index = 0; index < MainCount; ++index)
    if (Mains[index] && Mains[index]->GetName() == name) return Users[index].get();
  return nullptr;
}

void TDictionaryManager::ApplySettings() {
  for (int index = 1; index < MainCount; ++index) {
    const TDicSettings& section = SectionOf(Settings, index);
    const auto& main = Mains[index];
    const bool changed =
        main ? main->GetName() != section.DicName || main->GetFileName() != section.DicFile
             : !section.DicName.empty() && !section.DicFile.empty();
    if (!changed) continue;
    Mains[index].reset();
    Users[index].reset();
    const std::string_view name = TrimBlanks(section.DicName);
    const std::string_view file = TrimBlanks(section.DicFile);
    if (!name.empty() && !file.empty()) Open(index, name, file);
  }
}

TDictionaryManager* DictionaryManager() { return ProgramManager.load(); }

void SetDictionaryManager(TDictionaryManager* manager) { ProgramManager.store(manager); }
