#pragma once
// Rows of IPADIC's source files: CSV lines of 13 fields, surface, left id,
// right id, cost, part of speech and three subclasses, conjugation type,
// conjugation form, base form, reading, pronunciation.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// The fields the generator needs, in CP932.
struct TIpadicRow {
  int Cost = 0;
  std::string PartOfSpeech;
  std::string Subclass1;
  std::string Subclass2;
  std::string ConjugationType;
  std::string ConjugationForm;
  std::string BaseForm;
  std::string Reading;
  // False when the base form holds a character CP932 lacks (BaseForm is then lossy).
  bool BaseFormInCp932 = true;
};

// Parses one UTF-8 line; false when it is not a 13-field row with a numeric cost.
bool ParseIpadicLine(std::string_view line, TIpadicRow& row);

struct TSourceCounts {
  int Files = 0;
  int Rows = 0;
  int Malformed = 0;
};

// Reads every *.csv of the folder (EUC-JP), in file name order, and hands each
// row to visit in file order. Throws std::runtime_error when a file cannot be read.
TSourceCounts ReadIpadicFolder(const std::filesystem::path& folder,
                               const std::function<void(const TIpadicRow&)>& visit);
