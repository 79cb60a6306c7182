#pragma once
// New extension dictionary settings reach the dictionary manager, then the keypad.
#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

class TDictionaryManager;
class TSearchFormController;

class TKeypadExtDicConsumers : public TExtDicConsumers {
 public:
  // Both outlive this object; the controller may be null before the keypad exists.
  TKeypadExtDicConsumers(TDictionaryManager& manager, TSearchFormController* controller)
      : Manager(manager), Controller(controller) {}
  void ApplySettings() override;
  void RebuildCartridges() override;

 private:
  TDictionaryManager& Manager;
  TSearchFormController* Controller;
};
