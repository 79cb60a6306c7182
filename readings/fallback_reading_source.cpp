#include "readings/fallback_reading_source.h"

TStringList TFallbackReadingSource::ReverseConversion(std::string_view word) {
  // Blank candidates are no answer: judge by what would be shown.
  TStringList readings;
  GetImeReadings(First, word, readings);
  return readings.empty() ? Second.ReverseConversion(word) : readings;
}
