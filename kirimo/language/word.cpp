#include "kirimo/language/word.h"

#include "common/blank_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/language/conjugation.h"

namespace {

std::string_view FieldText(std::string_view field) {
  return field == "_" ? std::string_view() : field;
}

bool IsVoicingMark(char c) { return c == '\xDE' || c == '\xDF'; }


// Digits, an optional fraction and an optional exponent, after an optional sign.
bool IsDecimalNumber(std::string_view text) {
  std::size_t pos = 0;
  auto digits = [&] {
    std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    return pos - start;
  };
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t mantissa = digits();
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (digits() == 0) return false;
  }
  return pos == text.size();
}

}  // namespace

std::int16_t ParseWordType(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsDecimalNumber(text)) return 0;
  // from_chars takes no leading "+".
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  value = std::trunc(value);
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max())
    return 0;
  return static_cast<std::int16_t>(value);
}

TWord::TWord(TStoredReading, std::string reading, std::string_view notation,
             std::string_view typeText)
    : ReadingText(std::move(reading)),
      NotationText(FieldText(notation)),
      Type(ParseWordType(typeText)) {
  std::size_t letters = std::count_if(ReadingText.begin(), ReadingText.end(),
                                      [](char c) { return !IsVoicingMark(c); });
  // A reading past 16 bits of letters is no word anyone types; keep the count sane.
  KeyLengthCache = static_cast<std::int16_t>(
      std::min<std::size_t>(letters, std::numeric_limits<std::int16_t>::max()));
}

TWord::TWord(std::string_view reading, std::string_view notation, std::string_view typeText)
    : TWord(TStoredReading(), ToHalfWidth(FieldText(reading)), notation, typeText) {}

TWord TWord::FromParticleLine(std::string_view, std::string_view reading, std::string_view notation,
                              std::string_view typeText) {
  return TWord(TStoredReading(), std::string(FieldText(reading)), notation, typeText);
}

std::string TWord::Key() const { return ToKeyString(ReadingText); }

std::string TWord::KeyOf(int form) const { return Key() + GetConjugation().EndingKey(Type, form); }

std::string TWord::ReadingOf(int form) const {
  return ReadingText + GetConjugation().EndingReading(Type, form);
}

std::string TWord::NotationOf(int form) const {
  return NotationText + GetConjugation().EndingNotation(Type, form);
}

int TWord::KeyLengthOf(int form) const {
  return static_cast<int>(GetConjugation().EndingKey(Type, form).size()) + KeyLength();
}
