#include "readings/reading_index_files.h"

#include <stdexcept>
#include <vector>

#include "common/dictionary_file.h"
#include "common/dictionary_settings.h"
#include "readings/reading_index.h"

void AddDictionaryFile(std::string_view path, bool ordered, TReadingIndex& index) {
  if (!FileExists(path)) return;
  try {
    index.AddDictionaryText(ReadWholeFile(path), ordered);
  } catch (const std::runtime_error&) {
  }
}

void AddSettingsDictionaries(const TDictionarySections& sections, TReadingIndex& index) {
  std::vector<const TDicSettings*> dictionaries;
  for (const TDicSettings* dic :
       {&sections.BaseDic, &sections.ExtDics[0], &sections.ExtDics[1], &sections.ExtDics[2]})
    if (!dic->DicName.empty() && !dic->DicFile.empty() && FileExists(dic->DicFile))
      dictionaries.push_back(dic);
  for (const TDicSettings* dic : dictionaries) AddDictionaryFile(dic->DicFile, true, index);
  for (const TDicSettings* dic : dictionaries)
    AddDictionaryFile(UserDictionaryPath(dic->DicFile), false, index);
  index.Finish();
}
