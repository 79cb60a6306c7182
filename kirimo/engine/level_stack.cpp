#include "kirimo/engine/level_stack.h"

namespace {

// The candidate stack shares the lists its phrase lists (or the history) own.
std::shared_ptr<const TStringList> Borrow(const TStringList& list) {
  return {std::shared_ptr<const TStringList>(), &list};
}

}  // namespace

TLevelStack::TLevelStack(TStringList& keyLetters, TCandidateStack& candidateLists,
                         const TStringList& rootCandidates)
    : KeyLetters(keyLetters), CandidateLists(candidateLists) {
  // The root: no key letter, one empty phrase.
  auto root = std::make_shared<TPhraseList>();
  root->Add(root->Pool().New());
  root->SelectAll();
  PhraseLists.push_back(std::move(root));
  KeyLetters.push_back("");
  CandidateLists.push_back(Borrow(rootCandidates));
}

void TLevelStack::Push(std::string letter, std::shared_ptr<TPhraseList> list, int depth) {
  KeyLetters.push_back(std::move(letter));
  CandidateLists.push_back(Borrow(list->Candidates()));
  PhraseLists.push_back(std::move(list));
  KeyDepth = depth;
}

void TLevelStack::PushPhraseMode(std::shared_ptr<TPhraseList> list, int depth) {
  InPhraseMode = true;
  SavedDepth = KeyDepth;
  Push("/", std::move(list), depth);
}

void TLevelStack::Fill(std::shared_ptr<TPhraseList> list, const TStringList& candidates,
                       int depth) {
  PhraseLists.back() = std::move(list);
  CandidateLists.back() = Borrow(candidates);
  KeyDepth = depth;
}

void TLevelStack::ShowCandidates(const TStringList& candidates) {
  CandidateLists.back() = Borrow(candidates);
}

std::shared_ptr<TPhraseList> TLevelStack::Pop() {
  if (KeyLetters.back() == "/") {
    InPhraseMode = false;
    KeyDepth = SavedDepth;
  } else {
    --KeyDepth;
  }
  std::shared_ptr<TPhraseList> popped = std::move(PhraseLists.back());
  KeyLetters.pop_back();
  CandidateLists.pop_back();
  PhraseLists.pop_back();
  if (!KeysEntered()) KeyDepth = 0;  // the root matches no key
  return popped;
}

std::vector<std::shared_ptr<TPhraseList>> TLevelStack::Clear() {
  std::vector<std::shared_ptr<TPhraseList>> popped(PhraseLists.begin() + 1, PhraseLists.end());
  PhraseLists.resize(1);
  KeyLetters.resize(1);
  CandidateLists.resize(1);
  KeyDepth = 0;
  SavedDepth = 0;
  InPhraseMode = false;
  return popped;
}
