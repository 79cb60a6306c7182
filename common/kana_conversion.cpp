#include "common/kana_conversion.h"

#include <unordered_map>

#include "common/cp932.h"

// The mappings of a Japanese Windows, over the UTF-16 units of CP932
// characters. A character whose mapped form has no CP932 code stays as it is:
// that keeps ヴ ヵ ヶ katakana in ToHiragana. ヮ ヰ ヱ ヵ ヶ have no half-width form.

namespace {

constexpr char16_t kFirstHalfWidth = u'\uFF61';  // ｡
constexpr char16_t kLastHalfWidth = u'\uFF9F';   // ﾟ
constexpr char16_t kVoicedMark = u'\uFF9E';      // ﾞ
constexpr char16_t kSemiVoicedMark = u'\uFF9F';  // ﾟ

// Full-width forms of the half-width characters ｡ to ﾟ, in code order.
constexpr char16_t kFullOfHalf[] = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};
static_assert(std::size(kFullOfHalf) == kLastHalfWidth - kFirstHalfWidth + 1);

// Kana that join with ﾞ or ﾟ, and what they become.
struct TJoined {
  char16_t Base;
  char16_t Mark;
  char16_t Result;
};
constexpr TJoined kJoined[] = {
    {u'ウ', kVoicedMark, u'ヴ'},     {u'カ', kVoicedMark, u'ガ'},
    {u'キ', kVoicedMark, u'ギ'},     {u'ク', kVoicedMark, u'グ'},
    {u'ケ', kVoicedMark, u'ゲ'},     {u'コ', kVoicedMark, u'ゴ'},
    {u'サ', kVoicedMark, u'ザ'},     {u'シ', kVoicedMark, u'ジ'},
    {u'ス', kVoicedMark, u'ズ'},     {u'セ', kVoicedMark, u'ゼ'},
    {u'ソ', kVoicedMark, u'ゾ'},     {u'タ', kVoicedMark, u'ダ'},
    {u'チ', kVoicedMark, u'ヂ'},     {u'ツ', kVoicedMark, u'ヅ'},
    {u'テ', kVoicedMark, u'デ'},     {u'ト', kVoicedMark, u'ド'},
    {u'ハ', kVoicedMark, u'バ'},     {u'ヒ', kVoicedMark, u'ビ'},
    {u'フ', kVoicedMark, u'ブ'},     {u'ヘ', kVoicedMark, u'ベ'},
    {u'ホ', kVoicedMark, u'ボ'},     {u'ハ', kSemiVoicedMark, u'パ'},
    {u'ヒ', kSemiVoicedMark, u'ピ'}, {u'フ', kSemiVoicedMark, u'プ'},
    {u'ヘ', kSemiVoicedMark, u'ペ'}, {u'ホ', kSemiVoicedMark, u'ポ'},
    {u'ヽ', kVoicedMark, u'ヾ'},
};

char16_t Joined(char16_t base, char16_t mark) {
  for (const TJoined& joined : kJoined)
    if (joined.Base == base && joined.Mark == mark) return joined.Result;
  return 0;
}

// The unit of a CP932 character; 0 for NUL and for codes without a character,
// which no conversion touches.
char16_t UnitOf(std::string_view ch) {
  char16_t unit = Cp932CharToUtf16(ch);
  return unit == u'・' && ch != "・" ? 0 : unit;
}

using THalfWidthTable = std::unordered_map<char16_t, std::u16string>;

THalfWidthTable BuildHalfWidthTable() {
  THalfWidthTable table;
  for (char16_t unit = u'！'; unit <= u'～'; ++unit)
    table[unit] = std::u16string(1, static_cast<char16_t>(unit - 0xFEE0));
  table[u'　'] = u" ";
  table.erase(u'＼');
  table[u'￥'] = u"\\";  // 0x5C is the yen sign of a Japanese system
  table[u'‘'] = table[u'’'] = u"'";
  table[u'“'] = table[u'”'] = u"\"";
  for (char16_t half = kFirstHalfWidth; half <= kLastHalfWidth; ++half)
    table[kFullOfHalf[half - kFirstHalfWidth]] = std::u16string(1, half);
  for (const TJoined& joined : kJoined) {
    char16_t base = joined.Base;
    const std::u16string& halfBase = table.count(base) ? table[base] : std::u16string(1, base);
    table[joined.Result] = halfBase + joined.Mark;
  }
  return table;
}

void AppendOr(std::string& result, const std::u16string& units, std::string_view original) {
  std::string encoded;
  for (char16_t unit : units)
    if (!AppendCp932(encoded, unit)) return void(result += original);
  result += encoded;
}

// Maps every character by map(unit) -> units; an empty answer keeps the character.
template <typename Map>
std::string MapChars(std::string_view text, Map&& map) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  ForEachChar(text, [&](std::string_view ch) {
    std::u16string units = map(UnitOf(ch));
    if (units.empty())
      result += ch;
    else
      AppendOr(result, units, ch);
  });
  return result;
}

// Kana of one script to the other: the kana block and the iteration marks ゝゞ / ヽヾ.
std::u16string ShiftKana(char16_t unit, char16_t first, char16_t last, int offset) {
  bool inBlock = unit >= first && unit <= last;
  bool iterationMark = unit >= first + 0x5C && unit <= first + 0x5D;
  if (!inBlock && !iterationMark) return {};
  return std::u16string(1, static_cast<char16_t>(unit + offset));
}

}  // namespace

std::string ToHiragana(std::string_view text) {
  return MapChars(text, [](char16_t unit) { return ShiftKana(unit, u'ァ', u'ヶ', -0x60); });
}

std::string ToKatakana(std::string_view text) {
  return MapChars(text, [](char16_t unit) { return ShiftKana(unit, u'ぁ', u'ゖ', 0x60); });
}

std::string ToHalfWidth(std::string_view text) {
  static const THalfWidthTable table = BuildHalfWidthTable();
  return MapChars(text, [](char16_t unit) {
    auto found = table.find(unit);
    return found == table.end() ? std::u16string() : found->second;
  });
}

std::string ToFullWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = CharLengthAt(text, pos);
    std::string_view ch = text.substr(pos, length);
    pos += length;
    char16_t unit = UnitOf(ch);
    char16_t full = 0;
    if (unit == u' ') {
      full = u'　';
    } else if (unit == u'\\') {
      full = u'￥';
    } else if (unit >= u'!' && unit <= u'~') {
      full = static_cast<char16_t>(unit + 0xFEE0);
    } else if (unit >= kFirstHalfWidth && unit <= kLastHalfWidth) {
      full = kFullOfHalf[unit - kFirstHalfWidth];
      if (pos < text.size() && CharLengthAt(text, pos) == 1) {
        if (char16_t joined = Joined(full, Cp932CharToUtf16(text.substr(pos, 1)))) {
          full = joined;
          ++pos;
        }
      }
    }
    if (full == 0)
      result += ch;
    else
      AppendOr(result, std::u16string(1, full), ch);
  }
  return result;
}
