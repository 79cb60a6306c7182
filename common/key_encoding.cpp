#include "common/key_encoding.h"

#include <array>

#include "common/blank_text.h"
#include "common/cp932.h"

// The key alphabet: one letter per keypad click.
//   ｱ ｶ ｻ ﾀ ﾅ ﾊ ﾏ ﾔ ﾗ ﾜ  one kana of that row (small kana count with their row:
//                        ｧ-ｫ with ｱ, ｯ with ﾀ, ｬ-ｮ with ﾔ; ｦ and ﾝ with ﾜ)
//   ｰ                    the long-vowel mark
//   A D G J M P T W      one Latin letter of ABC, DEF, GHI, JKL, MNO, PQRS, TUV, WXYZ
//   0                    one digit
//   _                    the underscore
//   @                    any other byte, both bytes of a double-byte character included
// The mapping is per byte, so a reading must be in half-width katakana before
// it is encoded: a hiragana reading gives "@" and some letter per character.

namespace {

using TByteTable = std::array<char, 256>;

constexpr char kLongVowel = '\xB0';
constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

constexpr void SetRange(TByteTable& table, int first, int last, char letter) {
  for (int b = first; b <= last; ++b) table[b] = letter;
}

// The ten kana rows, shared by both alphabets.
constexpr void SetKanaRows(TByteTable& table) {
  SetRange(table, 0xB1, 0xB5, '\xB1');  // ｱ-ｵ
  SetRange(table, 0xA7, 0xAB, '\xB1');  // ｧ-ｫ
  SetRange(table, 0xB6, 0xBA, '\xB6');  // ｶ-ｺ
  SetRange(table, 0xBB, 0xBF, '\xBB');  // ｻ-ｿ
  SetRange(table, 0xC0, 0xC4, '\xC0');  // ﾀ-ﾄ
  SetRange(table, 0xAF, 0xAF, '\xC0');  // ｯ
  SetRange(table, 0xC5, 0xC9, '\xC5');  // ﾅ-ﾉ
  SetRange(table, 0xCA, 0xCE, '\xCA');  // ﾊ-ﾎ
  SetRange(table, 0xCF, 0xD3, '\xCF');  // ﾏ-ﾓ
  SetRange(table, 0xD4, 0xD6, '\xD4');  // ﾔ-ﾖ
  SetRange(table, 0xAC, 0xAE, '\xD4');  // ｬ-ｮ
  SetRange(table, 0xD7, 0xDB, '\xD7');  // ﾗ-ﾛ
  SetRange(table, 0xDC, 0xDC, '\xDC');  // ﾜ
  SetRange(table, 0xA6, 0xA6, '\xDC');  // ｦ
  SetRange(table, 0xDD, 0xDD, '\xDC');  // ﾝ
}

constexpr TByteTable MakeKeyTable() {
  TByteTable table{};
  SetRange(table, 0x00, 0xFF, '@');
  table['_'] = '_';
  SetRange(table, '0', '9', '0');
  constexpr const char* kGroups[] = {"ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ"};
  for (const char* group : kGroups) {
    for (const char* c = group; *c != '\0'; ++c) {
      table[static_cast<unsigned char>(*c)] = group[0];
      table[static_cast<unsigned char>(*c - 'A' + 'a')] = group[0];
    }
  }
  SetKanaRows(table);
  table[0xB0] = kLongVowel;
  return table;
}

// Conjugation endings: only the kana rows and the pattern marks count.
constexpr TByteTable MakePatternTable() {
  TByteTable table{};
  SetRange(table, 0x00, 0xFF, kLongVowel);
  table['*'] = '*';
  table['_'] = '_';
  table['/'] = '/';
  SetKanaRows(table);
  return table;
}

constexpr TByteTable kKeyTable = MakeKeyTable();
constexpr TByteTable kPatternTable = MakePatternTable();

bool IsAllBlank(std::string_view text) {
  for (char c : text)
    if (!IsBlankByte(c)) return false;
  return true;
}

// Maps every character but the voiced marks through table, byte by byte.
std::string Encode(std::string_view text, const TByteTable& table) {
  std::string key;
  if (IsAllBlank(text)) return key;
  key.reserve(text.size());
  ForEachChar(text, [&](std::string_view ch) {
    unsigned char first = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1 && (first == kVoicedMark || first == kSemiVoicedMark)) return;
    for (char b : ch) key += table[static_cast<unsigned char>(b)];
  });
  return key;
}

char FullSizeKana(unsigned char c) {
  switch (c) {
    case 0xA7:
      return '\xB1';  // ｧ -> ｱ
    case 0xA8:
      return '\xB2';  // ｨ -> ｲ
    case 0xA9:
      return '\xB3';  // ｩ -> ｳ
    case 0xAA:
      return '\xB4';  // ｪ -> ｴ
    case 0xAB:
      return '\xB5';  // ｫ -> ｵ
    case 0xAF:
      return '\xC2';  // ｯ -> ﾂ
    case 0xAC:
      return '\xD4';  // ｬ -> ﾔ
    case 0xAD:
      return '\xD5';  // ｭ -> ﾕ
    case 0xAE:
      return '\xD6';  // ｮ -> ﾖ
    default:
      if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
      return static_cast<char>(c);
  }
}

}  // namespace

std::string ToKeyString(std::string_view text) { return Encode(text, kKeyTable); }

std::string ToPatternKey(std::string_view text) { return Encode(text, kPatternTable); }

std::string NormalizeKana(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  // Trail bytes are copied as they are: 0x61-0x7A and 0xA7-0xAF occur there too.
  ForEachChar(text, [&](std::string_view ch) {
    if (ch.size() == 1)
      result += FullSizeKana(static_cast<unsigned char>(ch[0]));
    else
      result += ch;
  });
  return result;
}
