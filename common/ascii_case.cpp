#include "common/ascii_case.h"

#include "common/cp932.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares the first prefix.size() bytes of text with prefix.
bool MatchesPrefix(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t pos = 0; pos < prefix.size();) {
    std::size_t length = CharLengthAt(prefix, pos);
    if (length == 1) {
      if (UpperAscii(text[pos]) != UpperAscii(prefix[pos])) return false;
    } else if (text.substr(pos, length) != prefix.substr(pos, length)) {
      return false;
    }
    pos += length;
  }
  return true;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && MatchesPrefix(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return MatchesPrefix(text, prefix);
}

namespace {

template <typename TFold>
std::string FoldAscii(std::string_view text, TFold fold) {
  std::string folded;
  folded.reserve(text.size());
  ForEachChar(text, [&](std::string_view character) {
    if (character.size() == 1) {
      folded += fold(character[0]);
    } else {
      folded += character;
    }
  });
  return folded;
}

}  // namespace

std::string ToUpperAscii(std::string_view text) { return FoldAscii(text, UpperAscii); }

std::string ToLowerAscii(std::string_view text) { return FoldAscii(text, LowerAscii); }
