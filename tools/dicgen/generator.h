#pragma once
// Turns IPADIC's source folder into the base dictionary and the proper-noun
// extension dictionary.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

struct TFileReport {
  std::map<int, int> LinesPerType;
  int Lines = 0;
  std::uintmax_t Bytes = 0;
};

struct TGenerationReport {
  int Files = 0;
  int Rows = 0;
  int Malformed = 0;
  int Unused = 0;
  int ReadingNotKatakana = 0;
  int NotationNotCp932 = 0;
  int EmptyStem = 0;
  int EndingMismatch = 0;
  int Duplicates = 0;
  TFileReport Base;
  TFileReport Proper;
};

// Throws std::runtime_error when the folder holds no CSV file or a file cannot be read or written.
TGenerationReport GenerateDictionaries(const std::filesystem::path& ipadicFolder,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile);

// The report as plain ASCII text, one figure per line.
std::string FormatReport(const TGenerationReport& report);
