#pragma once
// Gleaner's readings: the input method first; where it reads nothing, the
// readings the dictionaries of Kirimo's settings propose, so Gleaner helps
// where no Japanese input method exists. Indexing the shipped dictionaries
// takes longer than a click should, so it starts on a thread of its own when
// the query is made (while the user pastes a text) and the first question
// waits only for what is left of it.
#include <future>
#include <memory>
#include <string_view>

#include "common/dictionary_settings.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/reading_query.h"
#include "readings/fallback_reading_source.h"
#include "readings/reading_index.h"
#include "readings/reading_proposer.h"

// The dictionary sections of the settings, as the proposer's index reads them.
TDictionarySections DictionarySectionsOf(const TGleanerAppIni& settings);

class TProposingReadingQuery : public TReadingQuery {
 public:
  // The input method outlives this query; the settings are read here.
  TProposingReadingQuery(TReadingSource& inputMethod, const TGleanerAppIni& settings);
  // Waits for the index if it is still being built.
  ~TProposingReadingQuery() override;
  TStringList Readings(std::string_view word) override;

 private:
  TReadingSource& InputMethod;
  std::future<std::unique_ptr<TReadingIndex>> Building;
  std::unique_ptr<TReadingIndex> Index;
  std::unique_ptr<TReadingProposer> Proposer;
  std::unique_ptr<TFallbackReadingSource> Fallback;
};
