#include "gleaner/reading_query.h"

TStringList TImeReadingQuery::Readings(std::string_view word) {
  TStringList readings;
  GetImeReadings(Source, word, readings);
  return readings;
}
