// The two dialogs that change the dictionaries, and what follows them.
#include <memory>

#include "readings/fallback_reading_source.h"
#include "readings/reading_index.h"
#include "readings/reading_proposer.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/engine/dictionary_reading_index.h"
#include "kirimo/engine/manager_dictionary_finder.h"
#include "kirimo/dictionary_dialogs/win32/add_jp_word_form.h"
#include "kirimo/dictionary_dialogs/win32/ext_dic_form.h"
#include "kirimo/shell/win32/main_form.h"

namespace {

// New extension settings reach the dictionary manager, then the keypad window.
class TWindowExtDicConsumers : public TExtDicConsumers {
 public:
  TWindowExtDicConsumers(TDictionaryManager& manager, TKeypadWindow& keypad)
      : Manager(manager), Keypad(keypad) {}
  // The dictionaries that go may be in a worker's hands until it is idle.
  void ApplySettings() override {
    Keypad.StopWork();
    Manager.ApplySettings();
  }
  void RebuildCartridges() override { Keypad.RebuildCartridges(); }

 private:
  TDictionaryManager& Manager;
  TKeypadWindow& Keypad;
};

}  // namespace

// Readings come from the input method, else from what the open dictionaries
// hold (built per dialog: the user dictionaries change while the program runs).
void TMainForm::RegisterWords() {
  if (!Manager) return;
  TReadingIndex index;
  AddManagerDictionaries(*Manager, index);
  TReadingProposer proposer(index);
  std::unique_ptr<TReadingSource> inputMethod = CreateSystemReadingSource();
  TFallbackReadingSource readings(*inputMethod, proposer);
  TManagerDictionaryFinder finder(*Manager, Settings);
  TAddJPWordForm dialog(finder, readings);
  dialog.ShowModal(Handle());
  // The keypad's cartridges hold their own word lists.
  if (dialog.Registered()) Keypad->ReloadUserDictionaries();
}

void TMainForm::EditExtensionDictionaries() {
  if (!Manager) return;
  TWindowExtDicConsumers consumers(*Manager, *Keypad);
  TExtDicForm dialog(Settings, consumers);
  dialog.ShowModal(Handle());
}
