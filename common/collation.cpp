#include "common/collation.h"

#include <string>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"

// The order, first by sound and letter, then by marks and forms:
//   1. Groups: blanks and symbols, digits, Latin letters, other letters,
//      kana, kanji, anything else. Within them: symbols by their half-width
//      form, digits by value, Latin letters A-Z ignoring case and width,
//      kana in the order ア イ ウ エ オ カ … ワ ヰ ヱ ヲ ン ignoring small
//      forms, voicing and script (hiragana, katakana, half-width); ー counts
//      as the vowel of the kana before it; kanji by code (JIS order).
//      A text that is the start of another comes first.
//   2. Voicing, mark by mark: plain, voiced, semi-voiced.
//   3. Forms, mark by mark: large kana before small, hiragana, katakana,
//      half-width; lower case before upper; half width before full.
//   4. The bytes, so that only equal texts are equal.

namespace {

enum TGroup { kSymbol = 1, kDigit, kLatin, kOtherLetter, kKana, kKanji, kOther };

constexpr std::u16string_view kSounds =
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヰヱ"
    u"ヲン";
constexpr std::u16string_view kVowels =
    u"アイウエオアイウエオアイウエオアイウエオアイウエオアイウエオアイウエオアウオアイウエオアイエ"
    u"オン";
static_assert(kSounds.size() == kVowels.size());

// For each katakana ァ (U+30A1) to ヶ (U+30F6): its sound and its mark
// (S small, V voiced, P semi-voiced, - plain).
constexpr std::u16string_view kKanaBase =
    u"アアイイウウエエオオカカキキククケケココササシシススセセソソタタチチツツツテテトトナニヌネノ"
    u"ハハハヒ"
    u"ヒヒフフフヘヘヘホホホマミムメモヤヤユユヨヨラリルレロワワヰヱヲンウカケ";
constexpr std::string_view kKanaMark =
    "S-S-S-S-S--V-V-V-V-V-V-V-V-V-V-V-VS-V-V-V------VP-VP-VP-VP-VP-----S-S-S------S-----VSS";
static_assert(kKanaBase.size() == kKanaMark.size() && kKanaMark.size() == 0x30F6 - 0x30A1 + 1);

using TElement = TCollationElement;

int Key(TGroup group, int key) { return group << 16 | key; }

char16_t UnitOf(const std::string& ch) { return Cp932CharToUtf16(ch); }

// Appends the element of one kana (full-width katakana unit, its script).
bool AppendKana(std::vector<TElement>& elements, char16_t katakana, int script) {
  if (katakana < u'ァ' || katakana > u'ヶ') return false;
  std::size_t index = katakana - u'ァ';
  std::size_t sound = kSounds.find(kKanaBase[index]);
  char mark = kKanaMark[index];
  int voicing = mark == 'V' ? 1 : mark == 'P' ? 2 : 0;
  int small = mark == 'S' ? 1 : 0;
  elements.push_back({Key(kKana, static_cast<int>(sound) * 2), voicing, small * 4 + script});
  return true;
}

// The long-vowel mark takes the vowel of the kana before it.
bool AppendLongVowel(std::vector<TElement>& elements, int script) {
  if (elements.empty() || elements.back().Primary >> 16 != kKana) return false;
  int sound = (elements.back().Primary & 0xFFFF) / 2;
  std::size_t vowel = kSounds.find(kVowels[sound]);
  elements.push_back({Key(kKana, static_cast<int>(vowel) * 2), 0, 8 + script});
  return true;
}

void AppendOther(std::vector<TElement>& elements, std::string_view ch, int form) {
  char16_t unit = UnitOf(ToHalfWidth(ch));
  int charClass = CharClass(ch);
  if (unit >= u'0' && unit <= u'9') {
    elements.push_back({Key(kDigit, unit), 0, form});
  } else if ((unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z')) {
    bool upper = unit <= u'Z';
    elements.push_back({Key(kLatin, upper ? unit : unit - 0x20), 0, (upper ? 2 : 0) + form});
  } else if (charClass == 1) {
    int code = static_cast<unsigned char>(ch[0]) << 8 | static_cast<unsigned char>(ch[1]);
    elements.push_back({Key(kKanji, code), 0, 0});
  } else if (charClass == 3) {
    elements.push_back({Key(kOtherLetter, unit), 0, 0});
  } else if (charClass == 0 || unit < 0x80 || unit == u'　') {
    elements.push_back({Key(kSymbol, unit), 0, form});
  } else {
    elements.push_back({Key(kOther, unit), 0, 0});
  }
}

std::vector<TElement> ElementsOf(std::string_view text) {
  std::vector<TElement> elements;
  elements.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = CharLengthAt(text, pos);
    std::string_view ch = text.substr(pos, length);
    pos += length;
    int form = length == 2 ? 1 : 0;
    char16_t unit = UnitOf(std::string(ch));
    if (unit >= u'ぁ' && unit <= u'ん' && AppendKana(elements, unit + 0x60, 0)) continue;
    if (AppendKana(elements, unit, 1)) continue;
    if (unit == u'ー' && AppendLongVowel(elements, 1)) continue;
    if (unit == u'\uFF70' && AppendLongVowel(elements, 2)) continue;
    if (unit >= u'\uFF66' && unit <= u'\uFF9D') {
      // A half-width kana takes the voiced or semi-voiced mark after it.
      std::size_t marked = pos < text.size() && CharLengthAt(text, pos) == 1 ? 2 : 1;
      std::string full = ToFullWidth(text.substr(pos - 1, marked));
      if (full.size() == 2) pos += marked - 1;
      if (AppendKana(elements, UnitOf(full.substr(0, 2)), 2)) continue;
    }
    AppendOther(elements, ch, form);
  }
  return elements;
}

template <typename Field>
int CompareLevel(const std::vector<TElement>& a, const std::vector<TElement>& b, Field field) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].*field != b[i].*field) return a[i].*field < b[i].*field ? -1 : 1;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

TCollationKey::TCollationKey(std::string_view text) : Elements(ElementsOf(text)), Text(text) {}

int TCollationKey::Compare(const TCollationKey& other) const {
  for (int TElement::*field : {&TElement::Primary, &TElement::Voicing, &TElement::Form})
    if (int order = CompareLevel(Elements, other.Elements, field)) return order;
  return Text.compare(other.Text) < 0 ? -1 : Text == other.Text ? 0 : 1;
}

int CompareText(std::string_view a, std::string_view b) {
  return TCollationKey(a).Compare(TCollationKey(b));
}
