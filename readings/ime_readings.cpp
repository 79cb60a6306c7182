#include "readings/ime_readings.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

std::string_view TrimBlanksAndControls(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Ignoring the case of ASCII letters; trail bytes are compared as they are.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    std::size_t length = CharLengthAt(a, pos);
    if (CharLengthAt(b, pos) != length) return false;
    if (length == 1 ? FoldAscii(a[pos]) != FoldAscii(b[pos]) : a.substr(pos, 2) != b.substr(pos, 2))
      return false;
    pos += length;
  }
  return true;
}

}  // namespace

void GetImeReadings(TReadingSource& source, std::string_view word, TStringList& list) {
  list.clear();
  for (const std::string& candidate : source.ReverseConversion(word)) {
    std::string reading = ToHalfWidth(ToKatakana(TrimBlanksAndControls(candidate)));
    // An input method may answer a blank candidate: it is no reading.
    if (reading.empty()) continue;
    bool known = std::any_of(list.begin(), list.end(),
                             [&](const std::string& r) { return SameIgnoringCase(r, reading); });
    if (!known) list.push_back(std::move(reading));
  }
}
