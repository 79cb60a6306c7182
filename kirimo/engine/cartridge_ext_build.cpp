// First-key lists, their cache, growth by connection and the idle prebuild.
// The builders hold no lock of the cartridge: they run on the worker while
// the UI thread goes on.
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

void TCartridgeEXT::AddBucketWords(const TBucketView& bucket, TPhraseList& list,
                                   const TStop& stop) {
  for (const TWord& word : bucket) {
    if (stop()) return;
    list.Add(list.Pool().New(word, word.WordType() > 1 ? 8 : 0));
    if (word.WordType() == AdjectivalNounWordType) list.Add(list.Pool().New(word, 0));
  }
}

void TCartridgeEXT::AddBucketForms(const TBucketView& bucket, TPhraseList& list, int n,
                                   std::string_view syllable, const TStop& stop) {
  const TConjugation& conjugation = GetConjugation();
  bool byKey = syllable == "@" || syllable == "ｰ";
  for (const TWord& word : bucket) {
    if (stop()) return;
    const auto& endings = conjugation.EndingList(word.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase phrase(word, form);
      TMatch match = byKey ? phrase.MatchKeyAt(syllable, n) : phrase.MatchSyllableAt(syllable, n);
      if (match == MatchYes) list.AddSyllable(list.Pool().New(phrase));
    }
  }
}

void TCartridgeEXT::AddConnected(const TPhrase* phrase, TPhraseList& list, const TStop& stop,
                                 TFilter filter, std::string_view letter, int depth,
                                 bool syllable) const {
  const TConjugation& conjugation = GetConjugation();
  TFollowerQuery query(*Connector);
  query.FindFollowers(*phrase);
  while (query.HasNextFollower() && !stop()) {
    const TWord& follower = query.NextFollower();
    const auto& endings = conjugation.EndingList(follower.WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (!FormExists(endings, form)) continue;
      TPhrase grown(follower, form, phrase);
      if (filter && !filter(grown, letter, depth)) continue;
      const TPhrase* node = list.Pool().New(grown);
      if (syllable) {
        list.AddSyllable(node);
      } else {
        list.Add(node);
      }
    }
  }
}

std::shared_ptr<TPhraseList> TCartridgeEXT::BuildRowList(std::string_view letter,
                                                         const TDictionaryEXT* main,
                                                         const TDictionaryEXT* user,
                                                         const TStop& stop) const {
  auto list = std::make_shared<TPhraseList>();
  for (char c : RowOf(letter)) {
    std::string_view one(&c, 1);
    for (const TPhrase* phrase : ParticleDic->GetPhrases()) {
      if (phrase->MatchKeyStringAt(one, 1) == MatchYes) list->Add(phrase->Follow(list->Pool()));
    }
    if (user) AddBucketWords(user->BucketOfKey(one), *list, stop);
    if (main) AddBucketWords(main->BucketOfKey(one), *list, stop);
  }
  // A partial list is never kept.
  return stop() ? nullptr : list;
}

std::shared_ptr<TPhraseList> TCartridgeEXT::BuildSyllableList(std::string_view syllable,
                                                              const TDictionaryEXT* main,
                                                              const TDictionaryEXT* user,
                                                              const TStop& stop) const {
  auto list = std::make_shared<TPhraseList>();
  for (const TPhrase* phrase : ParticleDic->GetPhrases()) {
    if (phrase->MatchSyllableAt(syllable, 1) == MatchYes) {
      list->AddSyllable(phrase->Follow(list->Pool()));
    }
  }
  if (user) AddBucketForms(user->BucketOfKey(syllable), *list, 1, syllable, stop);
  if (main) AddBucketForms(main->BucketOfKey(syllable), *list, 1, syllable, stop);
  return stop() ? nullptr : list;
}

std::shared_ptr<TPhraseList> TCartridgeEXT::BuildFirstKeyList(std::string_view letter,
                                                              bool syllable,
                                                              const TDictionaryEXT* main,
                                                              const TDictionaryEXT* user,
                                                              const TStop& stop) const {
  return syllable ? BuildSyllableList(letter, main, user, stop)
                  : BuildRowList(letter, main, user, stop);
}

std::string TCartridgeEXT::CacheKeyOf(std::string_view letter, bool syllable) const {
  return syllable ? SyllableKey(letter) : std::string(RowOf(letter));
}

void TCartridgeEXT::ClearStock() {
  // Levels on the stack keep the lists they delegate to.
  Stock->Clear();
  ++Generation;
}

void TCartridgeEXT::IdleWork() {
  if (Reloading) return;
  IdleRunning = true;
  bool grid = IdleGridMode;
  std::string_view letters = grid ? Syllables : RowLetters;
  int& position = grid ? SyllablePrebuildPos : RowPrebuildPos;
  int index;
  {
    std::lock_guard lock(StateMutex);
    index = position;
  }
  for (; index <= static_cast<int>(letters.size()); ++index) {
    std::string_view letter = letters.substr(index - 1, 1);
    std::string key = CacheKeyOf(letter, grid);
    unsigned generation = 0;
    const TDictionaryEXT* main = nullptr;
    const TDictionaryEXT* user = nullptr;
    // A key waiting behind the idle work counts as a stop: it must not wait
    // for a whole prebuild, nor even for one letter.
    auto stopped = [&] {
      return !IdleRunning || OperationWaiting() || AbortRequested || Reloading ||
             Generation != generation;
    };
    {
      std::lock_guard lock(StateMutex);
      generation = Generation;
      if (stopped()) {
        position = index;
        return;
      }
      if (Stock->Find(key)) continue;
      main = MainDictionary;
      user = UserDictionary;
    }
    std::shared_ptr<TPhraseList> built =
        BuildFirstKeyList(letter, grid, main, user, LoopStop(stopped));
    std::lock_guard lock(StateMutex);
    // After a reset the walk starts again at the position the reset chose.
    if (Generation != generation) return;
    if (!built) {
      position = index;
      return;
    }
    Stock->Add(key, std::move(built));
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
