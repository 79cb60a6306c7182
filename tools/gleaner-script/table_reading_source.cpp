#include "tools/gleaner-script/table_reading_source.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/comma_list.h"
#include "common/cp932.h"

TTableReadingSource::TTableReadingSource(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read the readings table: " + path);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    Table[Utf8ToCp932(line.substr(0, equals))] =
        SplitCommaList(Utf8ToCp932(line.substr(equals + 1)));
  }
}

TStringList TTableReadingSource::ReverseConversion(std::string_view word) {
  auto found = Table.find(word);
  return found == Table.end() ? TStringList() : found->second;
}
