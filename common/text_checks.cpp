#include "common/text_checks.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The standard text-to-integer conversion: leading blanks, an optional sign,
// then decimal digits, or "$" and hexadecimal digits; nothing may follow.
// Decimal must fit a 32-bit signed integer; hexadecimal may use all 32 bits
// ("$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  bool hex = pos < text.size() && text[pos] == '$';
  if (hex) ++pos;
  if (pos == text.size()) return std::nullopt;
  const std::int64_t base = hex ? 16 : 10;
  const std::int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
  std::int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    int digit = HexDigit(text[pos]);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  if (negative) value = -value;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

bool IsInteger(std::string_view text) { return ParseInteger(text).has_value(); }

int ToIntegerOr(std::string_view text, int fallback) {
  return ParseInteger(text).value_or(fallback);
}

bool IsBracketPair(std::string_view text) {
  // The full-width quotation pairs are two closing marks, as the keypad offers them.
  static constexpr std::array<std::string_view, 14> kPairs = {"()", "[]", "{}",   "\"\"", "''",
                                                              "<>", "｢｣", "（）", "［］", "｛｝",
                                                              "””", "’’", "＜＞", "「」"};
  for (std::string_view pair : kPairs)
    if (text == pair) return true;
  return false;
}
