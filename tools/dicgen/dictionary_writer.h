#pragma once
// Collects the words of one dictionary file and writes it: one line per
// distinct reading, notation and type, cheapest IPADIC cost (most frequent
// word) first, CP932 with CR LF.
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dicgen/word_mapping.h"

class TDictionaryFileBuilder {
 public:
  void Add(const TDicWord& word, int cost);
  // Sorts by cost (ties keep the order added) and drops repeated lines.
  std::vector<std::string> Lines();
  // Lines per word type and repeated lines dropped, valid after Lines().
  const std::map<int, int>& LinesPerType() const { return TypeCounts; }
  int Duplicates() const { return DuplicateCount; }

 private:
  struct TEntry {
    int Cost;
    int Type;
    std::string Line;
  };
  std::vector<TEntry> Entries;
  std::map<int, int> TypeCounts;
  int DuplicateCount = 0;
};

// Writes the lines with CR LF; returns the file size. Throws std::runtime_error on failure.
std::uintmax_t WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
