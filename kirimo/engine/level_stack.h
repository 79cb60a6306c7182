#pragma once
// The Japanese cartridge's key stack: one level per input step over the root,
// each a phrase list with the key letter that made it and the candidates it
// shows. The root's letter is empty and its candidates are the history. A
// long press pushes the phrase-mode level "/", after which keys grow phrases
// by connection until a back step takes it off again. It has no lock of its
// own: its owner guards it.
#include <memory>
#include <string>
#include <vector>

#include "common/string_list.h"
#include "kirimo/engine/phrase_list.h"

class TLevelStack {
 public:
  using TCandidateStack = std::vector<std::shared_ptr<const TStringList>>;

  // keyLetters and candidateLists are kept in step with the phrase lists
  // (the cartridge base reads them); both outlive the stack.
  TLevelStack(TStringList& keyLetters, TCandidateStack& candidateLists,
              const TStringList& rootCandidates);

  // A level whose phrases match depth key letters; it shows its list's candidates.
  void Push(std::string letter, std::shared_ptr<TPhraseList> list, int depth);
  void PushPhraseMode(std::shared_ptr<TPhraseList> list, int depth);
  // Puts a built list in the top level, showing candidates it owns.
  void Fill(std::shared_ptr<TPhraseList> list, const TStringList& candidates, int depth);
  // What the top level shows; the list that owns candidates outlives the level.
  void ShowCandidates(const TStringList& candidates);
  // A vowel changes the top level's letter.
  void SetTopLetter(std::string letter) { KeyLetters.back() = std::move(letter); }
  // The popped list, to be freed after the lock.
  std::shared_ptr<TPhraseList> Pop();
  // Back to the root; the popped lists, to be freed after the lock.
  std::vector<std::shared_ptr<TPhraseList>> Clear();

  const std::vector<std::shared_ptr<TPhraseList>>& Lists() const { return PhraseLists; }
  const std::shared_ptr<TPhraseList>& TopLevel() const { return PhraseLists.back(); }
  TPhraseList& Top() const { return *PhraseLists.back(); }
  const TStringList& TopCandidates() const { return *CandidateLists.back(); }
  bool KeysEntered() const { return PhraseLists.size() > 1; }
  int Steps() const { return static_cast<int>(PhraseLists.size()) - 1; }
  int Depth() const { return KeyDepth; }
  bool PhraseMode() const { return InPhraseMode; }

 private:
  TStringList& KeyLetters;
  TCandidateStack& CandidateLists;
  std::vector<std::shared_ptr<TPhraseList>> PhraseLists;
  int KeyDepth = 0;
  int SavedDepth = 0;  // the depth under the "/" level
  bool InPhraseMode = false;
};
