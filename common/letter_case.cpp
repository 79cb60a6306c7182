#include "common/letter_case.h"

#include "common/cp932.h"

namespace {

constexpr unsigned char FullWidthLead = 0x82;
constexpr unsigned char FullWidthSmallA = 0x81, FullWidthSmallZ = 0x9A;  // ａ to ｚ
constexpr unsigned char FullWidthCaseStep = 0x21;                        // ａ - Ａ

}  // namespace

std::string FoldLetterCase(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  ForEachChar(text, [&](std::string_view ch) {
    const auto first = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) {
      folded += first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : ch[0];
      return;
    }
    const auto second = static_cast<unsigned char>(ch[1]);
    if (first == FullWidthLead && second >= FullWidthSmallA && second <= FullWidthSmallZ) {
      folded += ch[0];
      folded += static_cast<char>(second - FullWidthCaseStep);
      return;
    }
    folded += ch;
  });
  return folded;
}

bool EqualsIgnoringLetterCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldLetterCase(a) == FoldLetterCase(b);
}
