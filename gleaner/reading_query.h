#pragma once
// Where proposed readings come from. The controller only asks this; what
// answers (the input method alone, or the input method and then a proposer
// that works without one) is chosen by whoever builds the controller.
#include <string_view>

#include "common/string_list.h"
#include "readings/ime_readings.h"

class TReadingQuery {
 public:
  virtual ~TReadingQuery() = default;
  // Readings of word in half-width katakana, trimmed, no repeats; empty when
  // none is known.
  virtual TStringList Readings(std::string_view word) = 0;
};

// What one reading source answers (the input method's reverse conversion, or
// a proposer that answers in its place), trimmed and in half-width katakana.
class TImeReadingQuery : public TReadingQuery {
 public:
  explicit TImeReadingQuery(TReadingSource& source) : Source(source) {}
  TStringList Readings(std::string_view word) override;

 private:
  TReadingSource& Source;
};
