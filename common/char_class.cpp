#include "common/char_class.h"

#include "common/cp932.h"

// The classes of a Japanese Windows' character types (type set 3): halfwidth
// katakana 4, halfwidth letter 5, halfwidth symbol 0, other halfwidth 6;
// ideograph 1, katakana 2, hiragana 0, letter 3, symbol 0, anything else 6.
// Punctuation counts as symbol; 々 〆 〇 as ideographs, so that 佐々木 is one
// word; ゛ ゜ ・ ー as katakana.

namespace {

bool In(char16_t unit, char16_t first, char16_t last) { return unit >= first && unit <= last; }

int SingleByteClass(unsigned char byte) {
  if (byte <= 0x20 || byte == 0x7F || (byte >= '0' && byte <= '9')) return 6;
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return 5;
  if (byte < 0x7F) return 0;
  if (byte >= 0xA1 && byte <= 0xA4) return 0;  // ｡｢｣､
  if (byte >= 0xA5 && byte <= 0xDF) return 4;  // ･ to ﾟ
  return 6;
}

int DoubleByteClass(char16_t unit) {
  if (In(unit, u'々', u'〇') || In(unit, u'\u4E00', u'\u9FFF') || In(unit, u'\uF900', u'\uFAFF'))
    return 1;
  if (In(unit, u'゛', u'゜') || In(unit, u'ァ', u'ヾ')) return 2;
  if (In(unit, u'ぁ', u'ゞ')) return 0;
  if (In(unit, u'Ａ', u'Ｚ') || In(unit, u'ａ', u'ｚ') || In(unit, u'Α', u'ω') ||
      In(unit, u'Ё', u'ё') || In(unit, u'Ⅰ', u'ⅹ') || unit == u'\u212B')  // the angstrom sign
    return 3;
  if (In(unit, u'０', u'９') || In(unit, u'①', u'⑳') || unit == u'　' ||
      In(unit, u'\uE000', u'\uF8FF'))
    return 6;
  return 0;
}

}  // namespace

int CharClass(std::string_view character) {
  std::size_t length = CharLengthAt(character, 0);
  if (length == 0) return 6;
  std::string_view ch = character.substr(0, length);
  if (length == 1)
    return IsLeadByte(static_cast<unsigned char>(ch[0]))
               ? 6
               : SingleByteClass(static_cast<unsigned char>(ch[0]));
  char16_t unit = Cp932CharToUtf16(ch);
  if (unit == u'・' && ch != "・") return 6;  // a code without a character
  return DoubleByteClass(unit);
}

bool IsAllLetters(std::string_view text) {
  bool letters = true;
  ForEachChar(text, [&](std::string_view ch) {
    if (!letters) return;
    int charClass = CharClass(ch);
    letters = charClass == 3 || charClass == 5;
  });
  return letters;
}

bool IsSingleByteText(std::string_view text) {
  for (char c : text)
    if (IsLeadByte(static_cast<unsigned char>(c))) return false;
  return true;
}
