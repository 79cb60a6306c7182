#include "tools/dicgen/unidic_source.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <stdexcept>

#include "common/cp932.h"

namespace {

constexpr std::size_t kMinFields = 25;
constexpr std::size_t kKanaField = 24;

// Splits a CSV line: a field in double quotes may hold commas, "" is one quote.
// Unquoted fields stay views into the line; quoted ones are kept in storage.
std::vector<std::string_view> SplitCsv(std::string_view line, std::vector<std::string>& storage) {
  std::vector<std::string_view> fields;
  storage.clear();
  // Never reallocated, so views into it stay valid: no more fields than quote pairs.
  storage.reserve(static_cast<std::size_t>(std::count(line.begin(), line.end(), '"')) / 2 + 1);
  std::size_t pos = 0;
  while (true) {
    if (pos < line.size() && line[pos] == '"') {
      std::string field;
      for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == '"' && pos + 1 < line.size() && line[pos + 1] == '"') {
          field += '"';
          ++pos;
        } else if (line[pos] == '"') {
          ++pos;
          break;
        } else {
          field += line[pos];
        }
      }
      storage.push_back(std::move(field));
      fields.push_back(storage.back());
      std::size_t comma = line.find(',', pos);
      if (comma == std::string_view::npos) return fields;
      pos = comma + 1;
      continue;
    }
    std::size_t comma = line.find(',', pos);
    fields.push_back(line.substr(pos, comma - pos));
    if (comma == std::string_view::npos) return fields;
    pos = comma + 1;
  }
}

}  // namespace

bool ParseUnidicLine(std::string_view line, TUnidicRow& row) {
  std::vector<std::string> quoted;
  std::vector<std::string_view> fields = SplitCsv(line, quoted);
  if (fields.size() < kMinFields) return false;
  std::string_view cost = fields[3];
  auto [end, error] = std::from_chars(cost.data(), cost.data() + cost.size(), row.Cost);
  if (error != std::errc() || end != cost.data() + cost.size()) return false;
  row.Surface = Utf8ToCp932(fields[0]);
  row.SurfaceInCp932 = Cp932ToUtf8(row.Surface) == fields[0];
  row.PartOfSpeech = Utf8ToCp932(fields[4]);
  row.Subclass1 = Utf8ToCp932(fields[5]);
  row.Subclass2 = Utf8ToCp932(fields[6]);
  row.Kana = Utf8ToCp932(fields[kKanaField]);
  return true;
}

TRowMapping MapUnidicRow(const TUnidicRow& row) {
  if (row.PartOfSpeech != "名詞" || row.Subclass1 != "普通名詞") return {TRowOutcome::Unused, {}};
  if (!row.SurfaceInCp932) return {TRowOutcome::NotationNotCp932, {}};
  std::string reading = HalfWidthKatakanaReading(row.Kana);
  if (reading.empty()) return {TRowOutcome::ReadingNotKatakana, {}};
  TRowMapping mapping{TRowOutcome::Words, {}};
  if (row.Subclass2 == "形状詞可能") {
    mapping.Words.push_back({reading, row.Surface, 22, TDicTarget::Base});
    return mapping;
  }
  mapping.Words.push_back({reading, row.Surface, 1, TDicTarget::Base});
  if (row.Subclass2 == "サ変可能" || row.Subclass2 == "サ変形状詞可能") {
    mapping.Words.push_back({reading, row.Surface, 4, TDicTarget::Base});
  }
  return mapping;
}

int ReadUnidicLexicon(const std::filesystem::path& file, int& malformed,
                      const std::function<void(const TUnidicRow&)>& visit) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  int rows = 0;
  TUnidicRow row;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    ++rows;
    if (ParseUnidicLine(line, row)) {
      visit(row);
    } else {
      ++malformed;
    }
  }
  if (in.bad()) throw std::runtime_error("cannot read " + file.string());
  return rows;
}
