#include "kirimo/engine/dictionary_reading_index.h"

#include <stdexcept>

#include "common/dictionary_file.h"
#include "common/reading_index.h"
#include "kirimo/engine/dictionary_manager.h"

namespace {

void AddFile(const TDictionaryEXT* dictionary, bool ordered, TReadingIndex& index) {
  if (dictionary == nullptr) return;
  try {
    index.AddDictionaryText(ReadWholeFile(dictionary->GetFileName()), ordered);
  } catch (const std::runtime_error&) {
  }
}

}  // namespace

void AddManagerDictionaries(const TDictionaryManager& manager, TReadingIndex& index) {
  for (int i = 0; i < TDictionaryManager::MainCount; ++i) AddFile(manager.Main(i), true, index);
  for (int i = 0; i < TDictionaryManager::MainCount; ++i) AddFile(manager.User(i), false, index);
  index.Finish();
}
