#include "common/list_filters.h"

#include "common/collation.h"

namespace {

char UpperAscii(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLetterOrDigit(char ch) { return (ch >= 'A' && ch <= 'Z') || IsDigit(ch); }

// Does the byte (upper-cased) belong to ch's group? anyDigit: every digit stands for "0"-"9".
bool Matches(char byte, char ch, bool anyDigit) {
  byte = UpperAscii(byte);
  if (ch >= 'A' && ch <= 'Z') return byte == ch;
  if (IsDigit(ch)) return anyDigit ? IsDigit(byte) : byte == ch;
  return !IsLetterOrDigit(byte);
}

TStringList Filter(const TStringList& list, char ch, std::size_t pos, bool anyDigit) {
  TStringList kept;
  if (pos == 0) return kept;
  for (const std::string& entry : list) {
    if (entry.size() >= pos && Matches(entry[pos - 1], ch, anyDigit)) kept.push_back(entry);
  }
  return kept;
}

}  // namespace

TStringList FilterByCharGroup(const TStringList& list, char ch, std::size_t pos) {
  return Filter(list, ch, pos, true);
}

TStringList FilterByChar(const TStringList& list, char ch, std::size_t pos) {
  return Filter(list, ch, pos, false);
}

int CompareByLengthThenText(const TStringList& list, std::size_t i, std::size_t j) {
  const std::string& a = list[i];
  const std::string& b = list[j];
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return CompareText(a, b);
}
