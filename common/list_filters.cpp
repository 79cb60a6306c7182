#include "common/list_filters.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "common/collation.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Entries whose byte at 1-based pos satisfies matches; shorter entries are skipped.
template <typename Matches>
TStringList Filter(const TStringList& list, std::size_t pos, Matches matches) {
  TStringList result;
  if (pos == 0) return result;
  for (const std::string& entry : list)
    if (entry.size() >= pos && matches(UpperAscii(entry[pos - 1]))) result.push_back(entry);
  return result;
}

bool IsOther(char c) { return !IsUpperLetter(c) && !IsDigit(c); }

}  // namespace

TStringList FilterByCharGroup(const TStringList& list, char ch, std::size_t pos) {
  if (IsUpperLetter(ch)) return Filter(list, pos, [ch](char c) { return c == ch; });
  if (IsDigit(ch)) return Filter(list, pos, IsDigit);
  return Filter(list, pos, IsOther);
}

TStringList FilterByChar(const TStringList& list, char ch, std::size_t pos) {
  if (IsUpperLetter(ch) || IsDigit(ch)) return Filter(list, pos, [ch](char c) { return c == ch; });
  return Filter(list, pos, IsOther);
}

int CompareByLengthThenText(const TStringList& list, std::size_t i, std::size_t j) {
  static const std::string kMissing;
  const std::string& a = i < list.size() ? list[i] : kMissing;
  const std::string& b = j < list.size() ? list[j] : kMissing;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  int order = CompareText(a, b);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void SortByLengthThenText(TStringList& list) {
  std::vector<TCollationKey> keys;
  keys.reserve(list.size());
  for (const std::string& entry : list) keys.emplace_back(entry);
  std::vector<std::size_t> order(list.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (list[a].size() != list[b].size()) return list[a].size() < list[b].size();
    return keys[a].Compare(keys[b]) < 0;
  });
  TStringList sorted;
  sorted.reserve(list.size());
  for (std::size_t index : order) sorted.push_back(std::move(list[index]));
  list = std::move(sorted);
}
