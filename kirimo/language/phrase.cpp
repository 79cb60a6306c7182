#include "kirimo/language/phrase.h"

#include "common/char_class.h"
#include "common/key_encoding.h"
#include "kirimo/language/phrase_pool.h"
#include "kirimo/language/word.h"

const TPhrase* TPhrase::Follow(TPhrasePool& pool) const { return pool.New(this); }

std::string TPhrase::GetKey() const {
  std::string key = PreviousNode ? PreviousNode->GetKey() : std::string();
  if (WordRef) key += WordRef->KeyOf(FormIndex);
  return key;
}

std::string TPhrase::GetReading() const {
  std::string reading = PreviousNode ? PreviousNode->GetReading() : std::string();
  if (WordRef) reading += WordRef->ReadingOf(FormIndex);
  return reading;
}

std::string TPhrase::GetNotation() const {
  std::string notation = PreviousNode ? PreviousNode->GetNotation() : std::string();
  if (WordRef) notation += WordRef->NotationOf(FormIndex);
  return notation;
}

std::string TPhrase::GetNormalizedReading() const { return NormalizeKana(GetReading()); }

int TPhrase::GetKeyLength() const {
  return (WordRef ? WordRef->KeyLengthOf(FormIndex) : 0) +
         (PreviousNode ? PreviousNode->GetKeyLength() : 0);
}

const TWord* TPhrase::LastWord() const {
  const TPhrase* node = this;
  while (node && !node->WordRef) node = node->PreviousNode;
  return node ? node->WordRef : nullptr;
}

int TPhrase::LastForm() const {
  const TPhrase* node = this;
  while (node && node->FormIndex < 0) node = node->PreviousNode;
  return node ? node->FormIndex : -1;
}

TMatch TPhrase::MatchKeyAt(std::string_view letter, int pos) const {
  std::string reading = GetReading();
  int count = 0;
  for (std::size_t i = 0; i < reading.size(); ++i) {
    if (reading[i] == '\xDE' || reading[i] == '\xDF') continue;
    if (++count == pos)
      return letter == ToKeyString(std::string_view(reading).substr(i, 1)) ? MatchYes : MatchNo;
  }
  return MatchBeyondEnd;
}

TMatch TPhrase::MatchKeyStringAt(std::string_view letter, int pos) const {
  std::string key = GetKey();
  if (pos < 1 || key.size() < static_cast<std::size_t>(pos)) return MatchBeyondEnd;
  return letter == std::string_view(key).substr(pos - 1, 1) ? MatchYes : MatchNo;
}

TMatch TPhrase::MatchSyllableAt(std::string_view syllable, int pos) const {
  std::string reading = GetNormalizedReading();
  if (pos < 1 || reading.size() < static_cast<std::size_t>(pos)) return MatchBeyondEnd;
  std::string_view at = std::string_view(reading).substr(pos - 1, 1);
  if (CharClass(at) != 0) return syllable == at ? MatchYes : MatchNo;
  // A symbol in the reading is typed with either of the two symbol keys.
  return syllable == "@" || syllable == "ｰ" ? MatchYes : MatchNo;
}
