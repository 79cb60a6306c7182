// One key or syllable step. The new level goes on the stack at once, empty,
// so that everything the UI thread does meanwhile (a click, a long press,
// the follow group's depth) sees the stack as the keys posted so far make it,
// with nothing to choose from yet. The phrases are built without the state
// lock and put in the level only while it is still on top and nothing was
// reset; a waiting back step or clear stops the build, and its level is left
// empty for that step to take away.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/growth_sources.h"
#include "kirimo/language/phrase.h"

namespace {

bool KeyMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchKeyAt(letter, depth) == MatchYes;
}

bool SyllableMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchSyllableAt(letter, depth) == MatchYes;
}

}  // namespace

bool TCartridgeEXT::StepStopped(unsigned generation) const {
  return AbortRequested || UndoQueued() || Generation != generation;
}

void TCartridgeEXT::RunKeyStep(const std::string& letter, bool syllable) {
  TKeyStep step;
  {
    TAfterUnlock after;
    std::lock_guard lock(StateMutex);
    if (SymbolListShown) HideSymbolList(after);
    if (Ignores(letter)) return;
    step = BeginKeyStep(letter, syllable);
  }
  for (;;) {
    unsigned generation = step.Generation;
    std::optional<TBuiltLevel> built =
        BuildLevel(step, LoopStop([this, generation] { return StepStopped(generation); }));
    if (PublishLevel(step, std::move(built)) == TPublish::Done) return;
  }
}

TCartridgeEXT::TKeyStep TCartridgeEXT::BeginKeyStep(const std::string& letter, bool syllable) {
  TKeyStep step;
  step.Letter = letter;
  step.Syllable = syllable;
  step.Depth = Depth + 1;
  // Grid syllables always grow past a phrase's end; row keys only in phrase mode.
  step.Grow = syllable || PhraseMode;
  step.Anchor = TopList().GetAnchor();
  step.Below = PhraseLists;
  if (Depth == 0) step.CacheKey = CacheKeyOf(letter, syllable);
  TakeStepSources(step);

  step.Pushed = std::make_shared<TPhraseList>();
  step.Pushed->SetAnchor(step.Anchor);
  KeyLetters.push_back(letter);
  Depth = step.Depth;
  PhraseLists.push_back(step.Pushed);
  CandidateLists.push_back(Borrow(step.Pushed->Candidates()));
  // Posting emptied the list box only if the cartridge was active then, and a
  // late show may have filled it since.
  ShowNothing();
  return step;
}

void TCartridgeEXT::TakeStepSources(TKeyStep& step) {
  step.Generation = Generation;
  step.Main = MainDictionary;
  step.User = UserDictionary;
  step.Cached = step.CacheKey.empty() ? nullptr : Stock->Find(step.CacheKey);
}

std::optional<TCartridgeEXT::TBuiltLevel> TCartridgeEXT::BuildLevel(const TKeyStep& step,
                                                                    const TStop& stop) const {
  TBuiltLevel built;
  if (!step.CacheKey.empty()) {
    std::shared_ptr<TPhraseList> source = step.Cached;
    if (!source) {
      source = BuildFirstKeyList(step.Letter, step.Syllable, step.Main, step.User, stop);
      if (!source) return std::nullopt;
      built.NewlyCached = source;
    }
    built.List = std::make_shared<TPhraseList>(source);
  } else {
    built.List = std::make_shared<TPhraseList>();
    built.List->Continue(step.Below.back());
    AddFollowing(step, *built.List, stop);
  }
  if (stop()) return std::nullopt;
  TPhraseList& list = *built.List;
  list.SetAnchor(step.Anchor);
  built.Candidates =
      step.Syllable ? &list.SelectSyllable(step.Depth) : &list.SelectByLength(step.Depth);
  built.TopIndex = list.AnchorTopIndex();
  return built;
}

void TCartridgeEXT::AddFollowing(const TKeyStep& step, TPhraseList& next, const TStop& stop) const {
  const TPhraseList& top = *step.Below.back();
  TFilter filter = step.Syllable ? SyllableMatches : KeyMatches;
  TGrowthSources grown;
  for (std::size_t i = 0; i < top.Count() && !stop(); ++i) {
    const TPhrase* phrase = top.GetItem(i);
    TMatch match = step.Syllable ? phrase->MatchSyllableAt(step.Letter, step.Depth)
                                 : phrase->MatchKeyAt(step.Letter, step.Depth);
    if (match == MatchYes) {
      const TPhrase* carried = phrase->Follow(next.Pool());
      if (step.Syllable) {
        next.AddSyllable(carried);
      } else {
        next.Add(carried);
      }
    } else if (match == MatchBeyondEnd && step.Grow && grown.IsNew(*phrase)) {
      AddConnected(phrase, next, stop, filter, step.Letter, step.Depth, step.Syllable);
    }
  }
}

TCartridgeEXT::TPublish TCartridgeEXT::PublishLevel(TKeyStep& step,
                                                    std::optional<TBuiltLevel> built) {
  // Declared before the lock: a level nobody wants is freed after it.
  std::optional<TBuiltLevel> unused;
  std::lock_guard lock(StateMutex);
  // A clear on the UI thread took the level away: the key is gone with it.
  if (PhraseLists.back() != step.Pushed) return TPublish::Done;
  if (AbortRequested || UndoQueued()) {
    // The waiting back step or clear removes the empty level; no dead end, or
    // the keys after it would be refused.
    unused = std::move(built);
    return TPublish::Done;
  }
  if (!built || Generation != step.Generation) {
    // The cache was dropped (a reset or reload) while building: build again
    // from the present dictionaries.
    unused = std::move(built);
    TakeStepSources(step);
    return TPublish::BuildAgain;
  }
  if (built->NewlyCached) Stock->Add(step.CacheKey, built->NewlyCached);
  PhraseLists.back() = built->List;
  CandidateLists.back() = Borrow(*built->Candidates);
  if (built->List->Count() == 0) DeadEnd = true;
  ShowFromWorker(*built->Candidates, built->TopIndex, -1);
  return TPublish::Done;
}
