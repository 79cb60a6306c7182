#include "kirimo/cartridge_base/ime_char_values.h"

#include "common/cp932.h"

std::vector<std::uint16_t> ImeCharValues(std::string_view text) {
  std::vector<std::uint16_t> values;
  for (std::size_t pos = 0; pos < text.size();) {
    auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    bool has_next = pos + 1 < text.size();
    if (byte(pos) == '\r') {
      if (!has_next) break;
      // CR with anything but LF would make no character: the CR goes alone.
      if (byte(pos + 1) == '\n') {
        values.push_back(LineBreakValue);
        pos += 2;
      } else {
        values.push_back('\r');
        pos += 1;
      }
    } else if (IsLeadByte(byte(pos))) {
      if (!has_next) break;
      values.push_back(static_cast<std::uint16_t>(byte(pos) << 8 | byte(pos + 1)));
      pos += 2;
    } else {
      values.push_back(byte(pos));
      pos += 1;
    }
  }
  return values;
}
