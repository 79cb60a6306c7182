#pragma once
// Every dictionary the settings name: the base dictionary, extension
// dictionaries 1 to 3, each with the user dictionary beside it (same file name
// with ".usr"), and the virtual-key dictionary. One for the program.
#include <array>
#include <memory>
#include <string_view>

#include "kirimo/engine/dictionary_ext.h"

class TAppIni;
class TDictionaryVK;

class TDictionaryManager {
 public:
  static constexpr int MainCount = 4;  // base, EXT1, EXT2, EXT3

  // Creates the dictionary folder if needed and opens every dictionary whose
  // name and file are set and whose file exists. The settings outlive it.
  explicit TDictionaryManager(const TAppIni& settings);
  ~TDictionaryManager();
  TDictionaryManager(const TDictionaryManager&) = delete;
  TDictionaryManager& operator=(const TDictionaryManager&) = delete;

  // The first of base, EXT1, EXT2, EXT3 with exactly this name; null for none.
  TDictionaryEXT* FindByName(std::string_view name) const;
  // The user dictionary of that dictionary.
  TDictionaryEXT* FindUserByName(std::string_view name) const;
  // Re-opens the extension dictionaries whose name or file changed in the
  // settings; one left without name or file is closed. Cartridges holding
  // dictionaries must be rebuilt afterwards.
  void ApplySettings();

  // index 0 is the base dictionary, 1 to 3 the extensions; null when absent.
  TDictionaryEXT* Main(int index) const { return Mains[index].get(); }
  TDictionaryEXT* User(int index) const { return Users[index].get(); }
  TDictionaryEXT* Base() const { return Main(0); }
  TDictionaryEXT* BaseUser() const { return User(0); }
  TDictionaryVK* VirtualKeyDictionary() const { return VirtualKeys.get(); }

 private:
  void Open(int index, std::string_view name, std::string_view file);

  const TAppIni& Settings;
  std::unique_ptr<TDictionaryVK> VirtualKeys;
  std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Mains;
  std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Users;
};

// The program's manager, set once the start-up build is done; null before.
TDictionaryManager* DictionaryManager();
void SetDictionaryManager(TDictionaryManager* manager);
