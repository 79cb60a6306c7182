#include "gleaner/proposing_reading_query.h"

#include "common/dictionary_settings.h"
#include "common/reading_index_files.h"

namespace {

TDictionarySections SectionsOf(const TGleanerAppIni& settings) {
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

}  // namespace

TProposingReadingQuery::TProposingReadingQuery(TReadingSource& inputMethod,
                                               const TGleanerAppIni& settings)
    : InputMethod(inputMethod), Settings(settings) {}

TStringList TProposingReadingQuery::Readings(std::string_view word) {
  if (!Fallback) {
    Index = std::make_unique<TReadingIndex>();
    AddSettingsDictionaries(SectionsOf(Settings), *Index);
    Proposer = std::make_unique<TReadingProposer>(*Index);
    Fallback = std::make_unique<TFallbackReadingSource>(InputMethod, *Proposer);
  }
  TStringList readings;
  GetImeReadings(*Fallback, word, readings);
  return readings;
}
