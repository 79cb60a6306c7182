#include "kirimo/language/word.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/dictionary_line.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/language/conjugation.h"

namespace {

std::string_view FieldText(std::string_view field) {
  return field == "_" ? std::string_view() : field;
}

bool IsVoicingMark(char c) { return c == '\xDE' || c == '\xDF'; }

}  // namespace

// Words truncate their type text toward zero.
std::int16_t ParseWordType(std::string_view text) {
  std::optional<double> number = TypeFieldNumber(text);
  return number ? WordTypeOfNumber(std::trunc(*number)) : 0;
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
