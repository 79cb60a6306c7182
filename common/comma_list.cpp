#include "common/comma_list.h"

#include "common/blank_text.h"

TStringList SplitCommaList(std::string_view text) {
  TStringList fields;
  std::size_t pos = 0;
  const std::size_t end = text.size();
  auto skipBlanks = [&] {
    while (pos < end && IsBlankByte(text[pos])) ++pos;
  };
  skipBlanks();
  if (pos == end) return fields;
  while (true) {
    std::string field;
    if (text[pos] == '"') {
      ++pos;
      while (pos < end) {
        if (text[pos] == '"') {
          if (pos + 1 < end && text[pos + 1] == '"') {
            field += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        field += text[pos++];
      }
    } else {
      // A trail byte of a double-byte character is never below 0x40, so it
      // can be neither a comma nor a blank.
      std::size_t start = pos;
      while (pos < end && text[pos] != ',' && !IsBlankByte(text[pos])) ++pos;
      field.assign(text.substr(start, pos - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (pos == end) break;
    if (text[pos] == ',') {
      ++pos;
      skipBlanks();
      if (pos == end) {  // a trailing comma leaves one empty field after it
        fields.emplace_back();
        break;
      }
    }
  }
  return fields;
}
