#include "common/cp932.h"

#include <array>
#include <memory>

#include "common/cp932_table.h"

namespace {

// What MultiByteToWideChar gives for a code without a character, and
// WideCharToMultiByte for a character without a code.
constexpr char16_t kNoCharacter = u'\u30FB';
constexpr char kNoCode = '?';

int LeadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }

}  // namespace

char16_t Cp932CharToUtf16(std::string_view ch) {
  unsigned char first = static_cast<unsigned char>(ch[0]);
  if (ch.size() == 1) {
    if (IsLeadByte(first)) return kNoCharacter;
    char16_t unit = kCp932SingleByte[first];
    return unit != 0 || first == 0 ? unit : kNoCharacter;
  }
  int trail = static_cast<unsigned char>(ch[1]) - kCp932FirstTrail;
  if (trail < 0 || trail >= kCp932TrailCount) return kNoCharacter;
  char16_t unit = kCp932DoubleByte[LeadIndex(first)][trail];
  return unit != 0 ? unit : kNoCharacter;
}

namespace {

// UTF-16 unit to code (a byte, or lead << 8 | trail); 0 for none but NUL.
using TEncodeTable = std::array<std::uint16_t, 0x10000>;

// Where a character has several codes Windows writes the first of: a single
// byte, JIS X 0208 rows, NEC row 13 (0x87), the IBM rows (0xFA-0xFC), the
// NEC-selected IBM rows (0xED-0xEE); the user-defined rows are unique.
std::unique_ptr<TEncodeTable> BuildEncodeTable() {
  auto table = std::make_unique<TEncodeTable>();
  table->fill(0);
  for (int b = 1; b < 256; ++b)
    if (kCp932SingleByte[b] != 0) (*table)[kCp932SingleByte[b]] = static_cast<std::uint16_t>(b);
  auto addLead = [&](int lead) {
    for (int trail = 0; trail < kCp932TrailCount; ++trail) {
      char16_t unit = kCp932DoubleByte[LeadIndex(static_cast<unsigned char>(lead))][trail];
      if (unit != 0 && (*table)[unit] == 0)
        (*table)[unit] = static_cast<std::uint16_t>(lead << 8 | (trail + kCp932FirstTrail));
    }
  };
  auto addLeads = [&](int first, int last) {
    for (int lead = first; lead <= last; ++lead) addLead(lead);
  };
  addLeads(0x81, 0x86);
  addLeads(0x88, 0x9F);
  addLeads(0xE0, 0xEA);
  addLead(0x87);
  addLeads(0xFA, 0xFC);
  addLeads(0xED, 0xEE);
  addLeads(0xEB, 0xEC);
  addLeads(0xEF, 0xF9);
  return table;
}

const TEncodeTable& EncodeTable() {
  static const std::unique_ptr<TEncodeTable> table = BuildEncodeTable();
  return *table;
}

void AppendCode(std::string& out, char16_t unit) {
  if (!AppendCp932(out, unit)) out += kNoCode;
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char16_t unit) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | unit >> 6);
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | unit >> 12);
    out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

// Next code point of UTF-8 text at pos; a malformed sequence is one U+FFFD per byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  unsigned char first = static_cast<unsigned char>(text[pos++]);
  if (first < 0x80) return first;
  int extra;
  char32_t value;
  char32_t minimum;
  if (first >= 0xC2 && first <= 0xDF) {
    extra = 1, value = first & 0x1F, minimum = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    extra = 2, value = first & 0x0F, minimum = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    extra = 3, value = first & 0x07, minimum = 0x10000;
  } else {
    return 0xFFFD;
  }
  if (text.size() - pos < static_cast<std::size_t>(extra)) return 0xFFFD;
  for (int i = 0; i < extra; ++i) {
    unsigned char next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0xFFFD;
    value = value << 6 | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || IsHighSurrogate(value) || IsLowSurrogate(value))
    return 0xFFFD;
  pos += extra;
  return value;
}

}  // namespace

bool AppendCp932(std::string& out, char16_t unit) {
  std::uint16_t code = unit == 0 ? 0 : EncodeTable()[unit];
  if (unit != 0 && code == 0) return false;
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
  return true;
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  // A lead byte at the end, or before a NUL (never a trail byte), stands alone, as
  // MultiByteToWideChar has it.
  if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
      text[pos + 1] != '\0')
    return 2;
  return 1;
}

std::u16string Cp932ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  ForEachChar(text, [&](std::string_view ch) { out += Cp932CharToUtf16(ch); });
  return out;
}

std::string Utf16ToCp932(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    // No code point beyond the BMP has a code: a surrogate pair is one "?".
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    AppendCode(out, unit);
  }
  return out;
}

std::string Cp932ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3 / 2);
  ForEachChar(text, [&](std::string_view ch) { AppendUtf8(out, Cp932CharToUtf16(ch)); });
  return out;
}

std::string Utf8ToCp932(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t c = NextCodePoint(text, pos);
    AppendCode(out, c > 0xFFFF ? u'\uFFFD' : static_cast<char16_t>(c));
  }
  return out;
}
