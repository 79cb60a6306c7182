#pragma once
// The phrases that match the keys typed so far, grouped by the vowel column of
// their first reading character, and the ordered, de-duplicated candidate
// strings selected from them for the list box.
//
// A list may delegate to a source list (a cached first-key list): it then
// answers and acts as the source does, and keeps it alive, so the phrases
// carried on from it stay valid however the cache is cleared. A list whose
// phrases continue those of another keeps that one alive too, so whoever
// holds a list may walk its phrases' chains down to the first key, whatever
// the stack it came from lets go of meanwhile.
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "kirimo/engine/candidate_index.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/phrase_pool.h"

// Answers true when a long loop over phrases is to stop: its result is no
// longer wanted.
using TLoopStop = std::function<bool()>;

class TPhraseList {
 public:
  static constexpr int GroupCount = 6;
  using TPhrases = std::vector<const TPhrase*>;

  TPhraseList() = default;
  // A list that delegates everything to source.
  explicit TPhraseList(std::shared_ptr<TPhraseList> source) : Source(std::move(source)) {}
  TPhraseList(const TPhraseList&) = delete;
  TPhraseList& operator=(const TPhraseList&) = delete;

  bool Delegates() const { return Source != nullptr; }

  // The list whose phrases this list's phrases continue (carried on or grown
  // by connection); it lives at least as long as this one.
  void Continue(std::shared_ptr<const TPhraseList> below) { Continued = std::move(below); }

  // Where the nodes of this list's phrases live; they are freed with the list.
  TPhrasePool& Pool();

  void Add(const TPhrase* phrase);
  // For syllable mode: the longest phrase is measured by its normalised reading.
  void AddSyllable(const TPhrase* phrase);

  // The phrases of the last selection in group order (before any, as added).
  const TPhrase* GetItem(std::size_t index) const;
  std::size_t Count() const;
  int MaxLength() const;
  // The group of the first character of text.
  const TPhrases& GroupOfLetter(std::string_view text) const;

  // Every selection answers the list's candidates.
  const TStringList& SelectAll();
  const TStringList& SelectByLength(int depth);
  const TStringList& SelectByRange(int shortest, int longest);
  const TStringList& SelectSyllable(int depth);
  // Stops early, with part of the selection made, once stop answers true.
  const TStringList& NarrowByVowel(std::string_view letter, int depth,
                                   const TLoopStop& stop = nullptr);

  const TStringList& Candidates() const;
  // The phrase a candidate came from (the first of its notation).
  // Null for an index past the candidates.
  const TPhrase* CandidatePhrase(std::size_t index) const;

  const std::string& GetAnchor() const;
  void SetAnchor(std::string_view anchor);
  int GetSavedIndex() const;
  void SetSavedIndex(int index);
  // Index of the first candidate of the anchor letter.
  int AnchorTopIndex();
  // Moves the anchor to the next initial letter; answers its first candidate.
  int NextAnchor();

 private:
  enum class TMeasure { KeyLength, SyllableLength };

  void AddTo(const TPhrase* phrase, int length);
  void StartSelection();
  void Take(const TPhrase* phrase);
  bool MoreThanFive() const { return CandidateTexts.size() > 5; }
  static int Measure(const TPhrase* phrase, TMeasure measure);
  void GatherAll(TMeasure measure);
  void CollectFrom(int shortest, int longest, TMeasure measure);
  const TStringList& SelectByMeasure(int depth, TMeasure measure);
  void SortCandidates(bool byReading);

  std::shared_ptr<TPhraseList> Source;
  // Declared before the nodes that point into it, so it goes after them.
  std::shared_ptr<const TPhraseList> Continued;
  TPhrasePool Nodes;
  std::array<TPhrases, GroupCount> Groups;
  TPhrases All;
  TStringList CandidateTexts;
  TPhrases CandidatePhrases;
  TCandidateIndex Index;
  std::vector<int> Lengths;  // the measured length of each phrase of All
  std::string SortText;      // the readings being sorted, end to end
  std::vector<std::size_t> SortEnds;
  std::string Anchor;
  int TopIndex = 0;
  int SavedIndex = -1;
  int LongestLength = 0;
};

// Group (1-6) of a reading's first byte: the vowel column of a kana, the
// position of a Latin letter within its key; 6 for the rest and for "".
int GroupOfReading(std::string_view reading);
