#pragma once
// Reverse conversion answered from a table, so scripts get the same readings
// on every machine: lines "word=candidate,candidate" in UTF-8, candidates as
// an input method lists them (hiragana, untrimmed); "#" starts a comment.
#include <map>
#include <string>

#include "common/ime_readings.h"

class TTableReadingSource : public TReadingSource {
 public:
  // Raises std::runtime_error when the file cannot be read.
  explicit TTableReadingSource(const std::string& path);
  TStringList ReverseConversion(std::string_view word) override;

 private:
  std::map<std::string, TStringList, std::less<>> Table;  // CP932
};
