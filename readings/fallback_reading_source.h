#pragma once
// The input method first; where it reads nothing, a second source.
#include "readings/ime_readings.h"

class TFallbackReadingSource : public TReadingSource {
 public:
  // Both sources outlive this one.
  TFallbackReadingSource(TReadingSource& first, TReadingSource& second)
      : First(first), Second(second) {}
  TStringList ReverseConversion(std::string_view word) override;

 private:
  TReadingSource& First;
  TReadingSource& Second;
};
