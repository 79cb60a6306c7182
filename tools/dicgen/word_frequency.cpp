#include "tools/dicgen/word_frequency.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "common/cp932.h"

namespace {

// Below and above every source cost (IPADIC and UniDic costs lie within a 16-bit range).
constexpr int kListedBase = -(1 << 24);
constexpr int kSupplementBase = 1 << 20;

std::string KeyOf(std::string_view notation, std::string_view reading, std::string_view wordClass) {
  std::string key(notation);
  key += '\t';
  key += reading;
  key += '\t';
  key += wordClass;
  return key;
}

// Splits a line at tabs.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace

TWordFrequency TWordFrequency::Load(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return Parse(text.str());
}

TWordFrequency TWordFrequency::Parse(std::string_view text) {
  TWordFrequency list;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 4) continue;
    std::string_view countText = fields[3];
    int count = 0;
    auto [stop, error] =
        std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (error != std::errc() || stop != countText.data() + countText.size() || count <= 0) continue;
    // A word listed twice counts both times.
    list.Counts[KeyOf(Utf8ToCp932(fields[0]), Utf8ToCp932(fields[1]), Utf8ToCp932(fields[2]))] +=
        count;
  }
  return list;
}

int TWordFrequency::CountOf(std::string_view notation, std::string_view reading,
                            std::string_view wordClass) const {
  auto found = Counts.find(KeyOf(notation, reading, wordClass));
  return found == Counts.end() ? 0 : found->second;
}

int RankOf(int count, int cost) {
  if (count <= 0) return cost;
  return kListedBase - std::min(count, (1 << 24));
}

int RankAfterListed() { return kListedBase; }

int SupplementRankOf(int count, int cost) {
  return count > 0 ? RankOf(count, cost) : kSupplementBase + cost;
}
