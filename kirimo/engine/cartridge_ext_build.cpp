// First-key lists, their cache, growth by connection and the idle prebuild.
#include <memory>

#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/connect.h"
#include "kirimo/language/particle_dictionary.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"

namespace {

bool FormExists(const std::array<std::string, FormCount>& endings, int form) {
  return endings[form] != "_";
}

// The grid keeps its first-key lists apart from the row keys' ("ｰ" and "@" are both).
std::string SyllableKey(std::string_view syllable) {
  std::string key(1, '/');
  key.append(syllable);
  return key;
}

}  // namespace

void TCartridgeEXT::AddBucketWords(const TBucketView& bucket, TPhraseList& list) {
  for (const TWord& word : bucket) {
    if (AbortRequested) return;
    list.Add(list.Pool().New(word, word.WordType() > 1 ? 8 : 0));
    if (word.WordType() == AdjectivalNounWordType) list.Add(list.Pool().New(word, 0));
  }
}

void TCartridgeEXT::AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                                   std::string_view syllable) {
  const TConjugation& conjugation = GetConjugation();
  bool byKey = syllable == "@" || syllable == "ｰ";
  for (const TWord& word : bucket) {
    if (AbortRequested) return;
    const auto& endings = conjugation.EndingList(word.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase phrase(word, form);
      TMatch match = byKey ? phrase.MatchKeyAt(syllable, n) : phrase.MatchSyllableAt(syllable, n);
      if (match == MatchYes) list.AddSyllable(list.Pool().New(phrase));
    }
  }
}

void TCartridgeEXT::AddConnected(const TPhrase* phrase, TPhraseList& list, TFilter filter,
                                 std::string_view letter, bool syllable) {
  const TConjugation& conjugation = GetConjugation();
  TFollowerQuery query(*Connector);
  query.FindFollowers(*phrase);
  while (query.HasNextFollower() && !AbortRequested) {
    const TWord& follower = query.NextFollower();
    const auto& endings = conjugation.EndingList(follower.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase grown(follower, form, phrase);
      if (filter && !filter(grown, letter, Depth)) continue;
      const TPhrase* node = list.Pool().New(grown);
      if (syllable) {
        list.AddSyllable(node);
      } else {
        list.Add(node);
      }
    }
  }
}

TPhraseList* TCartridgeEXT::BuildRowList(std::string_view letter) {
  std::string_view letters = RowOf(letter);
  if (TPhraseList* cached = Stock->Find(letters)) return cached;
  auto list = std::make_unique<TPhraseList>();
  for (char c : letters) {
    std::string_view one(&c, 1);
    for (const TPhrase* phrase : ParticleDic->GetPhrases()) {
      if (phrase->MatchKeyStringAt(one, 1) == MatchYes) list->Add(phrase->Follow(list->Pool()));
    }
    if (UserDictionary) AddBucketWords(UserDictionary->BucketOfKey(one), *list);
    if (MainDictionary) AddBucketWords(MainDictionary->BucketOfKey(one), *list);
  }
  if (AbortRequested) return nullptr;
  return Stock->Add(std::string(letters), std::move(list));
}

TPhraseList* TCartridgeEXT::BuildSyllableList(std::string_view syllable) {
  std::string key = SyllableKey(syllable);
  if (TPhraseList* cached = Stock->Find(key)) return cached;
  auto list = std::make_unique<TPhraseList>();
  for (const TPhrase* phrase : ParticleDic->GetPhrases()) {
    if (phrase->MatchSyllableAt(syllable, 1) == MatchYes) {
      list->AddSyllable(phrase->Follow(list->Pool()));
    }
  }
  if (UserDictionary) AddBucketForms(UserDictionary->BucketOfKey(syllable), *list, 1, syllable);
  if (MainDictionary) AddBucketForms(MainDictionary->BucketOfKey(syllable), *list, 1, syllable);
  if (AbortRequested) return nullptr;
  return Stock->Add(key, std::move(list));
}

void TCartridgeEXT::ClearStock() {
  if (KeysEntered()) {
    // The stack still delegates to (or continues) these lists.
    RetiredStocks.push_back(std::move(Stock));
    Stock = std::make_unique<TPhraseListStock>();
  } else {
    Stock->Clear();
  }
}

void TCartridgeEXT::IdleWork() {
  if (Reloading) return;
  IdleRunning = true;
  bool grid = IdleGridMode;
  std::string_view letters = grid ? Syllables : RowLetters;
  int& position = grid ? SyllablePrebuildPos : RowPrebuildPos;
  int from;
  {
    std::lock_guard lock(StateMutex);
    from = position;
  }
  for (int index = from; index <= static_cast<int>(letters.size()); ++index) {
    std::lock_guard lock(StateMutex);
    // A key waiting behind the idle work counts as a stop: it must not wait
    // for a whole prebuild.
    if (!IdleRunning || !QueueEmpty() || AbortRequested || Reloading) {
      position = index;
      return;
    }
    std::string_view letter = letters.substr(index - 1, 1);
    if (grid) {
      BuildSyllableList(letter);
    } else {
      BuildRowList(letter);
    }
  }
}

void TCartridgeEXT::ResetIdleWork() {
  std::lock_guard lock(StateMutex);
  RowPrebuildPos = 1;
  SyllablePrebuildPos = 1;
  IdleGridMode = GridOn();
  ClearStock();
}

void TCartridgeEXT::ReloadDictionaries() {
  struct TReloadingMark {
    std::atomic<bool>& Flag;
    explicit TReloadingMark(std::atomic<bool>& flag) : Flag(flag) { Flag = true; }
    ~TReloadingMark() { Flag = false; }
  } mark(Reloading);
  std::lock_guard lock(StateMutex);
  RowPrebuildPos = 1;
  SyllablePrebuildPos = 1;
  IdleGridMode = GridOn();
  ClearStock();
  try {
    if (UserDictionary) UserDictionary->Reload();
  } catch (...) {
    // The words read so far stay; the keypad goes on.
  }
}
