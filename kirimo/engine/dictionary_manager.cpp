#include "kirimo/engine/dictionary_manager.h"

#include <atomic>
#include <filesystem>
#include <string>

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_path.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/modes/dictionary_vk.h"

namespace {

constexpr const char* UserNames[TDictionaryManager::MainCount] = {"BaseUsr", "EXT1Usr", "EXT2Usr",
                                                                  "EXT3Usr"};

const TDicSettings& SectionOf(const TAppIni& settings, int index) {
  return index == 0 ? settings.BaseDic : settings.ExtDics[index - 1];
}

std::atomic<TDictionaryManager*> ProgramManager{nullptr};

std::string OpenErrorText(std::string_view file, std::string_view reason) {
  return '"' + std::string(file) + "\"を開けません。\r\n＞ " + std::string(reason);
}

}  // namespace

TDictionaryOpenError::TDictionaryOpenError(std::string file, std::string_view reason)
    : std::runtime_error(OpenErrorText(file, reason)), FileName(std::move(file)) {}

bool TDictionaryManager::TExtensionChange::IsEmpty() const {
  for (bool changed : Changed)
    if (changed) return false;
  return true;
}

TDictionaryManager::TDictionaryManager(const TAppIni& settings) : Settings(settings) {
  std::error_code ignored;  // a folder that cannot be made shows as missing files
  std::filesystem::create_directories(NativePath(settings.DicFolder), ignored);
  for (int index = 0; index < MainCount; ++index) {
    const TDicSettings& section = SectionOf(settings, index);
    if (section.DicName.empty() || section.DicFile.empty() || !FileExists(section.DicFile))
      continue;
    // One unusable file costs its own dictionary, not the others.
    try {
      TPair pair = OpenPair(index, section.DicName, section.DicFile);
      Mains[index] = std::move(pair.Main);
      Users[index] = std::move(pair.User);
    } catch (const TDictionaryOpenError& failure) {
      Failures.push_back(failure);
    }
  }
  if (!settings.VkDicName.empty() && !settings.VkDicFile.empty() &&
      FileExists(settings.VkDicFile)) {
    try {
      VirtualKeys = std::make_unique<TDictionaryVK>(settings.VkDicName, settings.VkDicFile);
    } catch (const std::runtime_error& error) {
      Failures.emplace_back(settings.VkDicFile, error.what());
    }
  }
}

TDictionaryManager::~TDictionaryManager() {
  VirtualKeys.reset();
  for (auto& main : Mains) main.reset();
  for (auto& user : Users) user.reset();
}

TDictionaryManager::TPair TDictionaryManager::OpenPair(int index, std::string_view name,
                                                       std::string_view file) {
  TPair pair;
  const std::string userFile = UserDictionaryPath(file);
  try {
    pair.Main = std::make_unique<TDictionaryEXT>(std::string(name), std::string(file));
  } catch (const std::runtime_error& error) {
    throw TDictionaryOpenError(std::string(file), error.what());
  }
  try {
    pair.User = std::make_unique<TDictionaryEXT>(UserNames[index], userFile);
  } catch (const std::runtime_error& error) {
    throw TDictionaryOpenError(userFile, error.what());
  }
  return pair;
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

TDictionaryManager::TExtensionChange TDictionaryManager::OpenChangedExtensions() const {
  TExtensionChange change;
  for (int index = 1; index < MainCount; ++index) {
    const TDicSettings& section = SectionOf(Settings, index);
    const std::string_view name = TrimBlanks(section.DicName);
    const std::string_view file = TrimBlanks(section.DicFile);
    const auto& main = Mains[index];
    const bool changed = main ? main->GetName() != name || main->GetFileName() != file
                              : !name.empty() && !file.empty();
    if (!changed) continue;
    change.Changed[index] = true;
    // A missing file is made empty; one left without name or file closes.
    if (name.empty() || file.empty()) continue;
    TPair pair = OpenPair(index, name, file);
    change.Mains[index] = std::move(pair.Main);
    change.Users[index] = std::move(pair.User);
  }
  return change;
}

void TDictionaryManager::SwapIn(TExtensionChange& change) {
  for (int index = 1; index < MainCount; ++index) {
    if (!change.Changed[index]) continue;
    Mains[index].swap(change.Mains[index]);
    Users[index].swap(change.Users[index]);
  }
}

TDictionaryManager* DictionaryManager() { return ProgramManager.load(); }

void SetDictionaryManager(TDictionaryManager* manager) { ProgramManager.store(manager); }
