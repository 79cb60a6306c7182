#include "tools/dicgen/ipadic_source.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "common/cp932.h"
#include "tools/dicgen/euc_jp.h"

namespace {

constexpr std::size_t kFieldCount = 13;

std::string ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(std::filesystem::file_size(file), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    throw std::runtime_error("cannot read " + file.string());
  }
  return bytes;
}

std::vector<std::filesystem::path> CsvFilesOf(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".csv") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

bool ParseIpadicLine(std::string_view line, TIpadicRow& row) {
  // IPADIC quotes nothing: a plain split on commas is its format.
  std::string_view fields[kFieldCount];
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    std::size_t comma = line.find(',', start);
    if (count == kFieldCount) return false;
    fields[count++] = line.substr(start, comma - start);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (count != kFieldCount) return false;
  std::string_view cost = fields[3];
  auto [end, error] = std::from_chars(cost.data(), cost.data() + cost.size(), row.Cost);
  if (error != std::errc() || end != cost.data() + cost.size()) return false;

  row.PartOfSpeech = Utf8ToCp932(fields[4]);
  row.Subclass1 = Utf8ToCp932(fields[5]);
  row.Subclass2 = Utf8ToCp932(fields[6]);
  row.ConjugationType = Utf8ToCp932(fields[8]);
  row.ConjugationForm = Utf8ToCp932(fields[9]);
  row.BaseForm = Utf8ToCp932(fields[10]);
  row.BaseFormInCp932 = Cp932ToUtf8(row.BaseForm) == fields[10];
  row.Reading = Utf8ToCp932(fields[11]);
  return true;
}

TSourceCounts ReadIpadicFolder(const std::filesystem::path& folder,
                               const std::function<void(const TIpadicRow&)>& visit) {
  TSourceCounts counts;
  TIpadicRow row;
  for (const auto& file : CsvFilesOf(folder)) {
    ++counts.Files;
    std::string text = EucJpToUtf8(ReadWholeFile(file));
    std::string_view rest = text;
    while (!rest.empty()) {
      std::size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty()) continue;
      ++counts.Rows;
      if (ParseIpadicLine(line, row)) {
        visit(row);
      } else {
        ++counts.Malformed;
      }
    }
  }
  return counts;
}
