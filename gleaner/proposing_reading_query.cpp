#include "gleaner/proposing_reading_query.h"

#include "readings/reading_index_files.h"

TDictionarySections DictionarySectionsOf(const TGleanerAppIni& settings) {
  TDictionarySections sections;
  for (int i = 0; i < TGleanerAppIni::DicCount; ++i) {
    TDicSettings& dic = i == TGleanerAppIni::BaseDic
                            ? sections.BaseDic
                            : sections.ExtDics[static_cast<std::size_t>(i - 1)];
    dic.DicName = settings.Dic(i).DicName;
    dic.DicFile = settings.Dic(i).DicFile;
  }
  return sections;
}

TProposingReadingQuery::TProposingReadingQuery(TReadingSource& inputMethod,
                                               const TGleanerAppIni& settings)
    : InputMethod(inputMethod) {
  // The thread works on its own copy of the sections and shares nothing else.
  Building = std::async(std::launch::async, [sections = DictionarySectionsOf(settings)] {
    auto index = std::make_unique<TReadingIndex>();
    AddSettingsDictionaries(sections, *index);
    return index;
  });
}

TProposingReadingQuery::~TProposingReadingQuery() {
  if (Building.valid()) Building.wait();
}

TStringList TProposingReadingQuery::Readings(std::string_view word) {
  if (!Fallback) {
    Index = Building.get();  // an error of the build is raised here, to the caller
    Proposer = std::make_unique<TReadingProposer>(*Index);
    Fallback = std::make_unique<TFallbackReadingSource>(InputMethod, *Proposer);
  }
  TStringList readings;
  GetImeReadings(*Fallback, word, readings);
  return readings;
}
