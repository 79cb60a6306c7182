#include <algorithm>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <vector>

#include "kirimo/language/grammar_tables.h"

namespace {

// Calls visit(token) for each blank-separated token of text.
template <typename Visit>
void ForEachToken(std::string_view text, Visit&& visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos) visit(text.substr(pos, end - pos));
    pos = end + 1;
  }
}

int ToNumber(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

TStringList ExpandConnectionRows(std::span<const TConnectionRow> rows) {
  std::vector<std::tuple<int, int, int>> items;
  for (const TConnectionRow& row : rows) {
    std::vector<int> followers;
    ForEachToken(row.Followers, [&](std::string_view id) { followers.push_back(ToNumber(id)); });
    ForEachToken(row.Types, [&](std::string_view range) {
      std::size_t dash = range.find('-');
      int first = ToNumber(range.substr(0, dash));
      int last = dash == std::string_view::npos ? first : ToNumber(range.substr(dash + 1));
      for (int type = first; type <= last; ++type)
        for (int follower : followers) items.emplace_back(type, row.Form, follower);
    });
  }
  std::sort(items.begin(), items.end());
  TStringList lines;
  lines.reserve(items.size());
  for (auto [type, form, follower] : items) {
    char line[24];
    std::snprintf(line, sizeof line, "%03d,%02d,%03d", type, form, follower);
    lines.emplace_back(line);
  }
  return lines;
}
