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

// Where the words come from; only IPADIC is required.
struct TGenerationSources {
  std::filesystem::path Ipadic;
  std::filesystem::path
      UnidicLexicon;                // UniDic's lex.csv: its loanwords and listed nouns IPADIC lacks
  std::filesystem::path Frequency;  // word frequency list that orders the files
  bool KanaSyllables = false;       // every kana as a one-character word
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
  int UnidicRows = 0;
  int UnidicMalformed = 0;
  int UnidicKnown = 0;  // nouns IPADIC already has with that reading
  int UnidicRare = 0;   // compounds neither katakana nor in the frequency list
  int FrequencyEntries = 0;
  int ListedLines = 0;                            // lines placed by the frequency list
  std::map<std::string, int> DroppedAsJunk;       // by rule
  std::map<std::string, int> BaseLinesPerSource;  // after junk and repeats are gone
  TFileReport Base;
  TFileReport Proper;
};

// Throws std::runtime_error when the IPADIC folder holds no CSV file or a file
// cannot be read or written.
TGenerationReport GenerateDictionaries(const TGenerationSources& sources,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile);

// IPADIC alone, ordered by its costs.
TGenerationReport GenerateDictionaries(const std::filesystem::path& ipadicFolder,
                                       const std::filesystem::path& baseFile,
                                       const std::filesystem::path& properFile);

// The report as plain ASCII text, one figure per line.
std::string FormatReport(const TGenerationReport& report);
