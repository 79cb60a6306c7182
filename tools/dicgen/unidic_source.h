#pragma once
// Rows of UniDic's lexicon (lex.csv as the unidic-mecab package installs it):
// CSV lines of 33 fields in UTF-8, fields with commas quoted.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dicgen/word_mapping.h"

// The fields the generator needs, in CP932.
struct TUnidicRow {
  int Cost = 0;
  std::string Surface;
  std::string PartOfSpeech;  // pos1
  std::string Subclass1;     // pos2
  std::string Subclass2;     // pos3
  std::string Kana;          // katakana reading of the surface
  bool SurfaceInCp932 = true;
};

// Parses one UTF-8 line; false when it is not a row of at least 25 fields with a numeric cost.
bool ParseUnidicLine(std::string_view line, TUnidicRow& row);

// The words of a common noun (普通名詞) row, typed as IPADIC's nouns are:
// サ変可能 also a 004 stem line, 形状詞可能 a 022 line. Other rows give nothing.
TRowMapping MapUnidicRow(const TUnidicRow& row);

// Reads the lexicon and hands each parsed row to visit; returns the rows read
// and counts the malformed ones. Throws std::runtime_error when it cannot be read.
int ReadUnidicLexicon(const std::filesystem::path& file, int& malformed,
                      const std::function<void(const TUnidicRow&)>& visit);
