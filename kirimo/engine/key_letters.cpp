#include "kirimo/engine/key_letters.h"

#include <array>

namespace {

struct TCaptionLetter {
  std::string_view Caption;
  std::string_view Letter;
};

constexpr std::array<TCaptionLetter, 21> CaptionLetters = {{
    {"@", "@"},    {"ABC", "A"}, {"DEF", "D"},  {"GHI", "G"}, {"JKL", "J"}, {"MNO", "M"},
    {"PQRS", "P"}, {"TUV", "T"}, {"WXYZ", "W"}, {"0", "0"},   {"あ", "ｱ"},  {"か", "ｶ"},
    {"さ", "ｻ"},   {"た", "ﾀ"},  {"な", "ﾅ"},   {"は", "ﾊ"},  {"ま", "ﾏ"},  {"や", "ﾔ"},
    {"ら", "ﾗ"},   {"ー", "ｰ"},  {"わ", "ﾜ"},
}};

struct TLetterRow {
  std::string_view Letter;
  std::string_view Row;
  std::string_view VowelCaptions;
};

constexpr std::array<TLetterRow, 21> LetterRows = {{
    {"ｱ", "ｱｲｳｴｵ", "あ,い,う,え,お"},
    {"ｶ", "ｶｷｸｹｺ", "か,き,く,け,こ"},
    {"ｻ", "ｻｼｽｾｿ", "さ,し,す,せ,そ"},
    {"ﾀ", "ﾀﾁﾂﾃﾄ", "た,ち,つ,て,と"},
    {"ﾅ", "ﾅﾆﾇﾈﾉ", "な,に,ぬ,ね,の"},
    {"ﾊ", "ﾊﾋﾌﾍﾎ", "は,ひ,ふ,へ,ほ"},
    {"ﾏ", "ﾏﾐﾑﾒﾓ", "ま,み,む,め,も"},
    {"ﾔ", "ﾔﾕﾖ", "や,ゆ,よ"},
    {"ﾗ", "ﾗﾘﾙﾚﾛ", "ら,り,る,れ,ろ"},
    {"ﾜ", "ﾜｦﾝ", "わ,を,ん"},
    {"ｰ", "ｰ", ""},
    {"@", "@", ""},
    {"A", "ABC", "A,B,C"},
    {"D", "DEF", "D,E,F"},
    {"G", "GHI", "G,H,I"},
    {"J", "JKL", "J,K,L"},
    {"M", "MNO", "M,N,O"},
    {"P", "PQRS", "P,Q,R,S"},
    {"T", "TUV", "T,U,V"},
    {"W", "WXYZ", "W,X,Y,Z"},
    {"0", "0123456789", "0"},
}};

const TLetterRow* FindRow(std::string_view letter) {
  if (letter.empty()) return nullptr;
  for (const TLetterRow& row : LetterRows) {
    if (row.Letter == letter.substr(0, 1)) return &row;
  }
  return nullptr;
}

}  // namespace

std::string KeyLetterOfCaption(std::string_view caption) {
  for (const TCaptionLetter& entry : CaptionLetters) {
    if (entry.Caption == caption) return std::string(entry.Letter);
  }
  return {};
}

std::string_view RowOf(std::string_view letter) {
  const TLetterRow* row = FindRow(letter);
  return row ? row->Row : std::string_view();
}

std::string_view VowelCaptionsOf(std::string_view letter) {
  const TLetterRow* row = FindRow(letter);
  return row ? row->VowelCaptions : std::string_view();
}
