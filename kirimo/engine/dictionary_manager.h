#pragma once
// Every dictionary the settings name: the base dictionary, extension
// dictionaries 1 to 3, each with the user dictionary beside it (same file name
// with ".usr"), and the virtual-key dictionary. One for the program.
#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "kirimo/engine/dictionary_ext.h"

class TAppIni;
class TDictionaryVK;

// A dictionary file that could not be opened (unreadable, or its user file
// cannot be made); the text names the file and why.
class TDictionaryOpenError : public std::runtime_error {
 public:
  TDictionaryOpenError(std::string file, std::string_view reason);
  const std::string& File() const { return FileName; }

 private:
  std::string FileName;
};

class TDictionaryManager {
 public:
  static constexpr int MainCount = 4;  // base, EXT1, EXT2, EXT3

  // Extension dictionaries opened for new settings, not in use yet; once
  // swapped in, the ones they replaced, freed with this object.
  class TExtensionChange {
   public:
    // Whether any extension dictionary changes.
    bool IsEmpty() const;

   private:
    friend class TDictionaryManager;
    std::array<bool, MainCount> Changed{};
    std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Mains;
    std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Users;
  };

  // Creates the dictionary folder if needed and opens every dictionary whose
  // name and file are set and whose file exists. One that cannot be opened is
  // left out with its user dictionary and named in OpenFailures; the others
  // open. The settings outlive it.
  explicit TDictionaryManager(const TAppIni& settings);
  ~TDictionaryManager();
  TDictionaryManager(const TDictionaryManager&) = delete;
  TDictionaryManager& operator=(const TDictionaryManager&) = delete;

  // The first of base, EXT1, EXT2, EXT3 with exactly this name; null for none.
  TDictionaryEXT* FindByName(std::string_view name) const;
  // The user dictionary of that dictionary.
  TDictionaryEXT* FindUserByName(std::string_view name) const;

  // The extension dictionaries whose name or file in the settings differ from
  // those in use, opened (one left without name or file closes); nothing in
  // use changes. Raises TDictionaryOpenError for the first that cannot be
  // opened.
  TExtensionChange OpenChangedExtensions() const;
  // Puts the change's dictionaries in use; the change then holds the ones
  // they replaced. Cartridges read dictionaries: stop them before the change
  // is freed and rebuild them after.
  void SwapIn(TExtensionChange& change);

  // index 0 is the base dictionary, 1 to 3 the extensions; null when absent.
  TDictionaryEXT* Main(int index) const { return Mains[index].get(); }
  TDictionaryEXT* User(int index) const { return Users[index].get(); }
  TDictionaryEXT* Base() const { return Main(0); }
  TDictionaryEXT* BaseUser() const { return User(0); }
  TDictionaryVK* VirtualKeyDictionary() const { return VirtualKeys.get(); }
  // The dictionaries the constructor could not open, in the settings' order.
  const std::vector<TDictionaryOpenError>& OpenFailures() const { return Failures; }

 private:
  struct TPair {
    std::unique_ptr<TDictionaryEXT> Main;
    std::unique_ptr<TDictionaryEXT> User;
  };
  // Both or neither. Raises TDictionaryOpenError.
  static TPair OpenPair(int index, std::string_view name, std::string_view file);

  const TAppIni& Settings;
  std::unique_ptr<TDictionaryVK> VirtualKeys;
  std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Mains;
  std::array<std::unique_ptr<TDictionaryEXT>, MainCount> Users;
  std::vector<TDictionaryOpenError> Failures;
};

// The program's manager, set once the start-up build is done; null before.
TDictionaryManager* DictionaryManager();
void SetDictionaryManager(TDictionaryManager* manager);
