#include "kirimo/engine/dictionary_reading_index.h"

#include "kirimo/engine/dictionary_manager.h"
#include "readings/reading_index.h"
#include "readings/reading_index_files.h"

void AddManagerDictionaries(const TDictionaryManager& manager, TReadingIndex& index) {
  for (int i = 0; i < TDictionaryManager::MainCount; ++i)
    if (const TDictionaryEXT* main = manager.Main(i))
      AddDictionaryFile(main->GetFileName(), true, index);
  for (int i = 0; i < TDictionaryManager::MainCount; ++i)
    if (const TDictionaryEXT* user = manager.User(i))
      AddDictionaryFile(user->GetFileName(), false, index);
  index.Finish();
}
