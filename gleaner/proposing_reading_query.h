#pragma once
// Gleaner's readings: the input method first; where it reads nothing, the
// readings the dictionaries of Kirimo's settings propose, so Gleaner helps
// where no Japanese input method exists. The dictionaries are read at the
// first question, not at start.
#include <memory>
#include <string_view>

#include "common/fallback_reading_source.h"
#include "common/reading_index.h"
#include "common/reading_proposer.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/reading_query.h"

class TProposingReadingQuery : public TReadingQuery {
 public:
  // Both outlive this query.
  TProposingReadingQuery(TReadingSource& inputMethod, const TGleanerAppIni& settings);
  TStringList Readings(std::string_view word) override;

 private:
  TReadingSource& InputMethod;
  const TGleanerAppIni& Settings;
  std::unique_ptr<TReadingIndex> Index;
  std::unique_ptr<TReadingProposer> Proposer;
  std::unique_ptr<TFallbackReadingSource> Fallback;
};
