#pragma once
// Readings of a word as the system's input method reports them (reverse conversion).
#include <memory>
#include <string>
#include <string_view>

#include "common/string_list.h"

// Where the raw candidate strings come from: the input method on Windows, a
// fixed table in tests, nothing elsewhere.
class TReadingSource {
 public:
  virtual ~TReadingSource() = default;
  // The candidates as the input method lists them, in CP932, untrimmed.
  virtual TStringList ReverseConversion(std::string_view word) = 0;
};

// The source of this platform: imm32 on Windows, an empty one elsewhere.
std::unique_ptr<TReadingSource> CreateSystemReadingSource();

// Fills list with the readings: trimmed, in half-width katakana, no repeats
// (ignoring letter case), in the input method's order.
void GetImeReadings(TReadingSource& source, std::string_view word, TStringList& list);

bool IsWindowsNT();
