// The two dialogs that change the dictionaries, and what follows them.
#include <memory>

#include "kirimo/dictionary_dialogs/win32/add_jp_word_form.h"
#include "kirimo/dictionary_dialogs/win32/ext_dic_form.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/engine/dictionary_reading_index.h"
#include "kirimo/engine/manager_dictionary_finder.h"
#include "kirimo/shell/ext_dic_consumers.h"
#include "kirimo/shell/win32/main_form.h"
#include "readings/fallback_reading_source.h"
#include "readings/reading_index.h"
#include "readings/reading_proposer.h"

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
  Keypad->ReloadUserDictionaries();
}

void TMainForm::EditExtensionDictionaries() {
  if (!Manager) return;
  TKeypadExtDicConsumers consumers(*Manager, [this] { Keypad->RebuildCartridges(); });
  TExtDicForm dialog(Settings, consumers);
  dialog.ShowModal(Handle());
}
