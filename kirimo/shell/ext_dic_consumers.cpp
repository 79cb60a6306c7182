#include "kirimo/shell/ext_dic_consumers.h"

#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/search_form_controller.h"

void TKeypadExtDicConsumers::ApplySettings() { Manager.ApplySettings(); }

void TKeypadExtDicConsumers::RebuildCartridges() {
  if (Controller != nullptr) Controller->RebuildCartridges();
}
