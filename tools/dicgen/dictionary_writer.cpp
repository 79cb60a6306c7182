#include "tools/dicgen/dictionary_writer.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <unordered_set>

#include "common/dictionary_line.h"

void TDictionaryFileBuilder::Add(const TDicWord& word, int cost) {
  Entries.push_back(
      {cost, word.Type, FormatDictionaryLine(word.Reading, word.Notation, word.Type)});
}

std::vector<std::string> TDictionaryFileBuilder::Lines() {
  std::stable_sort(Entries.begin(), Entries.end(),
                   [](const TEntry& a, const TEntry& b) { return a.Cost < b.Cost; });
  TypeCounts.clear();
  DuplicateCount = 0;
  std::vector<std::string> lines;
  lines.reserve(Entries.size());
  std::unordered_set<std::string_view> seen;
  seen.reserve(Entries.size());
  for (const auto& entry : Entries) {
    if (!seen.insert(entry.Line).second) {
      ++DuplicateCount;
      continue;
    }
    lines.push_back(entry.Line);
    ++TypeCounts[entry.Type];
  }
  return lines;
}

std::uintmax_t WriteLines(const std::filesystem::path& file,
                          const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  // Written aside and renamed, so an interrupted run leaves no half file that looks finished.
  std::filesystem::path partial = file;
  partial += ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + partial.string());
  std::filesystem::rename(partial, file);
  return text.size();
}
