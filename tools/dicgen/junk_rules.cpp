#include "tools/dicgen/junk_rules.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "common/cp932.h"

namespace {

// The code points of a UTF-8 text; enough of a decoder for well-formed text.
std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < utf8.size();) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? byte : byte & (0xFF >> (length + 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    points.push_back(point);
    i += length;
  }
  return points;
}

bool IsGreekOrCyrillic(char32_t c) { return c >= 0x0370 && c <= 0x04FF; }
bool IsHiragana(char32_t c) { return c >= 0x3041 && c <= 0x309F; }
bool IsKanji(char32_t c) { return (c >= 0x4E00 && c <= 0x9FFF) || c == 0x3005; }
bool IsFullWidthUpper(char32_t c) { return c >= 0xFF21 && c <= 0xFF3A; }
bool IsFullWidthLower(char32_t c) { return c >= 0xFF41 && c <= 0xFF5A; }
bool IsLatin(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsFullWidthUpper(c) ||
         IsFullWidthLower(c);
}

// Key letters of a half-width reading: voicing marks ride on their kana.
std::size_t KeyCount(std::string_view reading) {
  return static_cast<std::size_t>(std::count_if(reading.begin(), reading.end(),
                                                [](char c) { return c != '\xDE' && c != '\xDF'; }));
}

constexpr std::size_t kLongestAcronym = 4;

constexpr std::array<std::u32string_view, 4> kHonorifics{U"お", U"ご", U"おん", U"み"};

// Splits hiragana-then-kanji notations; false for any other shape.
bool SplitKanaKanji(const std::vector<char32_t>& points, std::u32string& kana,
                    std::u32string& kanji) {
  std::size_t i = 0;
  while (i < points.size() && IsHiragana(points[i])) ++i;
  if (i == 0 || i == points.size()) return false;
  if (!std::all_of(points.begin() + static_cast<long>(i), points.end(), IsKanji)) return false;
  kana.assign(points.begin(), points.begin() + static_cast<long>(i));
  kanji.assign(points.begin() + static_cast<long>(i), points.end());
  return true;
}

}  // namespace

TJunk JunkOf(const TDicWord& word) {
  std::vector<char32_t> points = CodePoints(Cp932ToUtf8(word.Notation));
  bool greek = std::any_of(points.begin(), points.end(), IsGreekOrCyrillic);
  if (greek && std::any_of(points.begin(), points.end(), IsLatin)) return TJunk::MixedScript;
  bool latin = !points.empty() && std::all_of(points.begin(), points.end(), IsLatin);
  if (latin && std::any_of(points.begin(), points.end(), [](char32_t c) {
        return IsFullWidthLower(c) || (c >= 'a' && c <= 'z');
      })) {
    return TJunk::LatinByReading;
  }
  if (latin && points.size() > 1 && KeyCount(word.Reading) == 1) return TJunk::LatinByReading;
  // Acronyms (CD, HTML) are kept; longer upper-case words (LESSON) are English spelled out.
  if (latin && points.size() > kLongestAcronym) return TJunk::LatinByReading;
  return TJunk::None;
}

std::vector<bool> HalfKanaSpellings(const std::vector<TDicWord>& words) {
  // All-kanji notations by reading.
  std::unordered_map<std::string, std::vector<std::u32string>> kanjiByReading;
  std::vector<std::vector<char32_t>> points(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    points[i] = CodePoints(Cp932ToUtf8(words[i].Notation));
    if (!points[i].empty() && std::all_of(points[i].begin(), points[i].end(), IsKanji)) {
      kanjiByReading[words[i].Reading].emplace_back(points[i].begin(), points[i].end());
    }
  }
  std::vector<bool> result(words.size(), false);
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::u32string kana;
    std::u32string kanji;
    if (!SplitKanaKanji(points[i], kana, kanji)) continue;
    if (std::find(kHonorifics.begin(), kHonorifics.end(), kana) != kHonorifics.end()) continue;
    auto found = kanjiByReading.find(words[i].Reading);
    if (found == kanjiByReading.end()) continue;
    // One kanji spelled in kana (せっ計, さ末); longer kana parts (ため池) are spellings of their
    // own.
    if (kana.size() != 1 && kana.back() != U'っ') continue;
    result[i] = std::any_of(found->second.begin(), found->second.end(), [&](const auto& full) {
      return full.size() == kanji.size() + 1 && full.ends_with(kanji);
    });
  }
  return result;
}
