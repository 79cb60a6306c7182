#include "kirimo/shell/ext_dic_consumers.h"

#include "kirimo/engine/dictionary_manager.h"

namespace {

class TPreparedExtensions : public TPreparedDictionaries {
 public:
  TPreparedExtensions(TDictionaryManager& manager, TDictionaryManager::TExtensionChange change,
                      std::function<void()> rebuildCartridges)
      : Manager(manager),
        Change(std::move(change)),
        RebuildCartridges(std::move(rebuildCartridges)) {}

  void Apply() override {
    // The old cartridges' workers may still read the dictionaries swapped
    // out: those stay alive in the change until the rebuild has stopped them.
    Manager.SwapIn(Change);
    if (RebuildCartridges) RebuildCartridges();
    Change = TDictionaryManager::TExtensionChange();
  }

 private:
  TDictionaryManager& Manager;
  TDictionaryManager::TExtensionChange Change;
  std::function<void()> RebuildCartridges;
};

}  // namespace

std::unique_ptr<TPreparedDictionaries> TKeypadExtDicConsumers::Prepare() {
  return std::make_unique<TPreparedExtensions>(Manager, Manager.OpenChangedExtensions(),
                                               RebuildCartridges);
}
