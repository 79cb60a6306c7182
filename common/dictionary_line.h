#pragma once
// The lines of dictionary files, split in place: a base dictionary has hundreds
// of thousands of them, so nothing here allocates for an ordinary line.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/blank_text.h"

// Calls visit(index, line) for each line of text, 0-based. A line ends at CR LF,
// CR or LF; a last line without an end is a line too. Answers the number of lines.
template <typename Visit>
int ForEachLine(std::string_view text, Visit&& visit) {
  int index = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    visit(index++, text.substr(pos, end - pos));
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return index;
}

// The fields of one line, split like a comma list (common/comma_list.h). Fields are
// views into the line, or into Unquoted for a quoted field with a doubled quote.
// Counting stops at MaxFields: that many means "too many".
struct TLineFields {
  static constexpr int MaxFields = 5;
  int Count = 0;
  std::array<std::string_view, MaxFields> Fields;
  std::array<std::string, MaxFields> Unquoted;
};
void SplitLineFields(std::string_view line, TLineFields& fields);

// Reading, notation and type text of a line by its number of fields.
struct TEntryFields {
  std::string_view Reading;
  std::string_view Notation;
  std::string_view Type;
};
// False for a line that holds no entry (no fields, or five and more).
bool EntryOfFields(const TLineFields& fields, TEntryFields& entry);

// The line of one entry as the reader above splits it: reading,notation,type
// with a three-digit type; an empty field is written "_", and a field the
// splitter would cut or trim is quoted.
std::string FormatDictionaryLine(std::string_view reading, std::string_view notation, int type);

// The type of a type field: a decimal number rounded to an integer; 0 for
// anything else and for what does not fit a 16-bit type.
std::int16_t WordTypeOf(std::string_view text);

// The number a type field holds: an optional sign, digits with an optional
// fraction and exponent, blanks around; none for anything else.
std::optional<double> TypeFieldNumber(std::string_view text);
// A whole number as a word type; 0 for what does not fit 16 bits.
std::int16_t WordTypeOfNumber(double whole);
