// Our kana, width and class tables against the system's locale functions,
// over every CP932 character. Where Wine is known to answer otherwise than a
// Japanese Windows, the test says so.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/kana_conversion.h"

namespace {

std::vector<std::string> AllCharacters() {
  std::vector<std::string> all;
  for (int b = 1; b < 256; ++b)
    if (!IsLeadByte(static_cast<unsigned char>(b))) all.emplace_back(1, static_cast<char>(b));
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      if (Cp932ToUtf16(code) != u"\u30FB" || code == "・") all.push_back(code);
    }
  }
  return all;
}

std::u16string SystemUnits(DWORD flag, const std::u16string& units) {
  wchar_t out[16];
  int n = LCMapStringW(0x0411, flag, reinterpret_cast<LPCWSTR>(units.data()),
                       static_cast<int>(units.size()), out, 16);
  return std::u16string(reinterpret_cast<const char16_t*>(out), n);
}

// The system's mapping in CP932; the text itself when it is unchanged or has no code.
std::string SystemMap(DWORD flag, const std::string& text) {
  std::u16string units = Cp932ToUtf16(text);
  std::u16string mapped = SystemUnits(flag, units);
  if (mapped == units) return text;
  std::string encoded;
  for (char16_t unit : mapped)
    if (!AppendCp932(encoded, unit)) return text;
  return encoded;
}

int SystemClass(const std::string& ch) {
  std::u16string unit = Cp932ToUtf16(ch);
  WORD t = 0;
  GetStringTypeW(CT_CTYPE3, reinterpret_cast<LPCWSTR>(unit.data()), 1, &t);
  if (t & C3_HALFWIDTH) return t & C3_KATAKANA ? 4 : t & C3_ALPHA ? 5 : t & C3_SYMBOL ? 0 : 6;
  if (t & C3_IDEOGRAPH) return 1;
  if (t & C3_KATAKANA) return 2;
  if (t & C3_HIRAGANA) return 0;
  if (t & C3_ALPHA) return 3;
  return t & C3_SYMBOL ? 0 : 6;
}

void ExpectSameAsSystem(DWORD flag, const std::function<std::string(std::string_view)>& ours,
                        const std::vector<std::string>& exceptions) {
  int compared = 0;
  for (const std::string& ch : AllCharacters()) {
    bool excepted = false;
    for (const std::string& e : exceptions) excepted = excepted || e == ch;
    if (excepted) continue;
    EXPECT_EQ(ours(ch), SystemMap(flag, ch)) << Cp932ToUtf8(ch);
    ++compared;
  }
  EXPECT_GT(compared, 9000);
}

}  // namespace

TEST(LocaleTablesWin32, HiraganaAndKatakanaAsTheSystem) {
  ExpectSameAsSystem(LCMAP_HIRAGANA, ToHiragana, {});
  ExpectSameAsSystem(LCMAP_KATAKANA, ToKatakana, {});
}

// A Japanese Windows writes 0x5C (its yen sign) and ￥ as each other's width
// forms, and a lone ﾞ ﾟ as ゛ ゜; Wine keeps them.
TEST(LocaleTablesWin32, WidthAsTheSystem) {
  ExpectSameAsSystem(LCMAP_HALFWIDTH, ToHalfWidth, {"￥"});
  ExpectSameAsSystem(LCMAP_FULLWIDTH, ToFullWidth, {"\\", "ﾞ", "ﾟ"});
  EXPECT_EQ(ToHalfWidth("￥"), "\\");
  EXPECT_EQ(ToFullWidth("\\ﾞﾟ"), "￥゛゜");
}

TEST(LocaleTablesWin32, KanaWithMarksJoinAsTheSystem) {
  for (int kana = 0xA6; kana <= 0xDD; ++kana) {
    for (const char* mark : {"ﾞ", "ﾟ"}) {
      std::string pair = std::string(1, static_cast<char>(kana)) + mark;
      std::u16string system = SystemUnits(LCMAP_FULLWIDTH, Cp932ToUtf16(pair));
      std::string joined;
      if (system.size() == 1 && AppendCp932(joined, system[0])) {
        EXPECT_EQ(ToFullWidth(pair), joined) << Cp932ToUtf8(pair);
      } else {  // not joined, or joined into a character CP932 lacks (ヷ ヺ)
        EXPECT_EQ(ToFullWidth(pair), ToFullWidth(pair.substr(0, 1)) + ToFullWidth(mark));
      }
    }
  }
}

// Wine gives punctuation no symbol type (so 0 against 6 is not compared) and
// 々 a letter's; a Japanese Windows counts 々 with the ideographs.
TEST(LocaleTablesWin32, LetterKanaAndKanjiClassesAsTheSystem) {
  for (const std::string& ch : AllCharacters()) {
    if (ch == "々") continue;
    int ours = CharClass(ch);
    int system = SystemClass(ch);
    if ((ours >= 1 && ours <= 5) || (system >= 1 && system <= 5)) {
      EXPECT_EQ(ours, system) << Cp932ToUtf8(ch);
    }
  }
}
