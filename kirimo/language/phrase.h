#pragma once
// One node of a candidate under construction. A chain of nodes read from its
// oldest to its newest spells the candidate (食べ+させ+られ+た); later nodes
// share the earlier ones, so growing a candidate by one key costs one node.
#include <cstdint>
#include <string>
#include <string_view>

class TPhrasePool;
class TWord;

// Answer of the Match operations.
enum TMatch : int { MatchYes = 0, MatchNo = 1, MatchBeyondEnd = 2 };

class TPhrase {
 public:
  // The empty start phrase: no word, no previous node.
  TPhrase() = default;
  // A node that adds nothing to previous.
  explicit TPhrase(const TPhrase* previous) : PreviousNode(previous) {}
  // A node that adds word in form (0-11).
  TPhrase(const TWord& word, int form, const TPhrase* previous = nullptr)
      : WordRef(&word), FormIndex(static_cast<std::int16_t>(form)), PreviousNode(previous) {}

  // The word this node adds, or none.
  const TWord* Word() const { return WordRef; }
  // Its form; -1 when the node adds no word.
  int Form() const { return FormIndex; }
  const TPhrase* Previous() const { return PreviousNode; }

  // A node in pool that continues this one and adds nothing.
  const TPhrase* Follow(TPhrasePool& pool) const;

  // Concatenations over the chain, oldest node first.
  std::string GetKey() const;
  std::string GetReading() const;
  std::string GetNotation() const;
  std::string GetNormalizedReading() const;
  int GetKeyLength() const;

  // The word of the newest node that has one, and the newest form that is not
  // -1. Only for chains that hold a word.
  const TWord* LastWord() const;
  int LastForm() const;

  // Positions count from 1. MatchKeyAt compares a key letter with the key of
  // the reading character at pos, voicing marks not counted; MatchKeyStringAt
  // compares it with the byte of the key string at pos; MatchSyllableAt
  // compares a grid syllable with the byte of the normalised reading at pos,
  // voicing marks counted, a symbol there matching "@" and "ｰ".
  TMatch MatchKeyAt(std::string_view letter, int pos) const;
  TMatch MatchKeyStringAt(std::string_view letter, int pos) const;
  TMatch MatchSyllableAt(std::string_view syllable, int pos) const;

 private:
  const TWord* WordRef = nullptr;
  std::int16_t FormIndex = -1;
  const TPhrase* PreviousNode = nullptr;
};
