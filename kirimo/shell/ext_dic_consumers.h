#pragma once
// New extension dictionary settings reach the dictionary manager, then the keypad.
#include <functional>
#include <memory>

#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

class TDictionaryManager;

class TKeypadExtDicConsumers : public TExtDicConsumers {
 public:
  // rebuildCartridges makes the keypad's cartridges anew from the manager's
  // dictionaries, the old ones stopped first (empty before the keypad
  // exists). The manager outlives this object.
  TKeypadExtDicConsumers(TDictionaryManager& manager, std::function<void()> rebuildCartridges)
      : Manager(manager), RebuildCartridges(std::move(rebuildCartridges)) {}
  std::unique_ptr<TPreparedDictionaries> Prepare() override;

 private:
  TDictionaryManager& Manager;
  std::function<void()> RebuildCartridges;
};
