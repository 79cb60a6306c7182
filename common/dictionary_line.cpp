#include "common/dictionary_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/text_checks.h"

namespace {

// A quoted field from just after its opening quote; an unterminated quote takes the rest.
std::string_view QuotedField(std::string_view line, std::size_t& pos, std::string& unquoted) {
  const std::size_t start = pos;
  while (pos < line.size()) {
    if (line[pos] != '"') {
      ++pos;
      continue;
    }
    if (pos + 1 < line.size() && line[pos + 1] == '"') break;  // needs unquoting
    return line.substr(start, pos++ - start);
  }
  if (pos >= line.size()) return line.substr(start);
  unquoted.assign(line.substr(start, pos - start));
  while (pos < line.size()) {
    if (line[pos] == '"') {
      if (pos + 1 < line.size() && line[pos + 1] == '"') {
        unquoted += '"';
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    unquoted += line[pos++];
  }
  return unquoted;
}

// Trail bytes of double-byte characters are 0x40 or above, so a byte test suffices.
bool NeedsQuotes(std::string_view field) {
  return std::any_of(field.begin(), field.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || c == ',' || c == '"' || byte == 0x7F;
  });
}

std::string WrittenField(std::string_view field) {
  if (field.empty()) return "_";
  if (!NeedsQuotes(field)) return std::string(field);
  std::string result = "\"";
  for (char c : field) {
    if (c == '"') result += '"';
    result += c;
  }
  result += '"';
  return result;
}

}  // namespace

std::string FormatDictionaryLine(std::string_view reading, std::string_view notation, int type) {
  char typeText[16];
  std::snprintf(typeText, sizeof typeText, "%03d", type);
  return WrittenField(reading) + "," + WrittenField(notation) + "," + typeText;
}

void SplitLineFields(std::string_view line, TLineFields& fields) {
  fields.Count = 0;
  std::size_t pos = 0;
  const std::size_t end = line.size();
  auto skipBlanks = [&] {
    while (pos < end && IsBlankByte(line[pos])) ++pos;
  };
  auto add = [&](std::string_view field) {
    fields.Fields[fields.Count++] = field;
    return fields.Count < TLineFields::MaxFields;
  };
  skipBlanks();
  if (pos == end) return;
  while (true) {
    std::string_view field;
    if (line[pos] == '"') {
      ++pos;
      field = QuotedField(line, pos, fields.Unquoted[fields.Count]);
    } else {
      // A trail byte is never below 0x40: it is neither a comma nor a blank.
      std::size_t start = pos;
      while (pos < end && line[pos] != ',' && !IsBlankByte(line[pos])) ++pos;
      field = line.substr(start, pos - start);
    }
    if (!add(field)) return;
    skipBlanks();
    if (pos == end) return;
    if (line[pos] == ',') {
      // Only a comma that ends the line leaves an empty field after it.
      if (++pos == end) {
        add({});
        return;
      }
      skipBlanks();
      if (pos == end) return;
    }
  }
}

bool EntryOfFields(const TLineFields& fields, TEntryFields& entry) {
  const auto& f = fields.Fields;
  switch (fields.Count) {
    case 1:
      entry = {f[0], f[0], "001"};
      return true;
    case 2:
      entry = IsInteger(f[1]) ? TEntryFields{f[0], f[0], f[1]} : TEntryFields{f[0], f[1], "001"};
      return true;
    case 3:
      entry = {f[0], f[1], f[2]};
      return true;
    case 4:
      entry = {f[1], f[2], f[3]};
      return true;
    default:
      return false;
  }
}

namespace {

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

std::optional<double> TypeFieldNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsDecimalNumber(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no "+"
  double value = 0;
  const char* end = text.data() + text.size();
  auto [last, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (error != std::errc() || last != end) return std::nullopt;
  return value;
}

std::int16_t WordTypeOfNumber(double whole) {
  if (!(whole >= -32768.0 && whole <= 32767.0)) return 0;  // also infinities
  return static_cast<std::int16_t>(whole);
}

// Dictionary files round their type fields.
std::int16_t WordTypeOf(std::string_view text) {
  std::optional<double> number = TypeFieldNumber(text);
  return number ? WordTypeOfNumber(std::round(*number)) : 0;
}
