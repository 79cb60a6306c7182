#include "gleaner/extract_words.h"

#include <string>
#include <unordered_set>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/letter_case.h"

namespace {

constexpr int SeparatorClass = 0;  // hiragana and symbols
constexpr int KanjiClass = 1;
constexpr int LetterClass = 5;  // half-width letters
constexpr int OtherClass = 6;   // digits, blanks, controls

bool Separates(int charClass) { return charClass == SeparatorClass || charClass == OtherClass; }

bool IsDateTimeUnit(std::string_view ch) {
  for (std::string_view unit : {"年", "月", "日", "時", "分", "秒"}) {
    if (ch == unit) return true;
  }
  return false;
}

class TWordCollector {
 public:
  void Close(const std::string& word, int charClass, std::size_t characters) {
    if (word.empty()) return;
    if (characters == 1 && charClass != KanjiClass) return;
    if (Seen.insert(FoldLetterCase(word)).second) Words.push_back(word);
  }
  TStringList Words;

 private:
  std::unordered_set<std::string> Seen;  // words with their letters upper-cased
};

}  // namespace

TStringList ExtractWords(std::string_view text) {
  TWordCollector collector;
  int previous = SeparatorClass;
  std::string word;
  std::size_t characters = 0;
  auto step = [&](std::string_view ch) {
    const int current = ch == "_" ? LetterClass : CharClass(ch);
    if (current == previous) {
      if (!Separates(current)) {
        word += ch;
        ++characters;
      }
      return;
    }
    collector.Close(word, previous, characters);
    word.clear();
    characters = 0;
    if (!Separates(current) && !(previous == OtherClass && IsDateTimeUnit(ch))) {
      word = ch;
      characters = 1;
    }
    previous = current;
  };
  ForEachChar(text, step);
  // A line end closes the last word.
  step("\r");
  step("\n");
  return std::move(collector.Words);
}
