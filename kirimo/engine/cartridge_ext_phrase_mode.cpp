// Phrase mode: a long press on a candidate makes its word the stem of longer
// phrases. The press itself only pushes the "/" level, empty; the worker
// expands the stem (every form, grown by connection) without the state lock
// and fills the level while it is still on top. A dictionary with many words
// of the chosen notation costs the worker time, never the keypad.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/growth_sources.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"

namespace {

// Verb types whose stem alone is one key short of the shortest form.
bool TakesExtraKey(int type) {
  return (type >= 4 && type <= 7) || (type >= 9 && type <= AdjectiveWordType);
}

bool OnlyPlainWords(const TPhraseList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const TWord* word = list.GetItem(i)->LastWord();
    if (word != nullptr && word->WordType() != OtherWordType) return false;
  }
  return true;
}

}  // namespace

void TCartridgeEXT::EnterPhraseMode(const TCandidateListModel::TItem& chosenItem,
                                    TAfterUnlock& after) {
  TPhraseList& top = TopList();
  const int selected = chosenItem.Index;
  const TPhrase* chosen = top.CandidatePhrase(static_cast<std::size_t>(selected));
  if (chosen == nullptr || chosen->LastWord() == nullptr) return;
  TCartridge::Accumulate();
  PhraseMode = true;
  SavedDepth = Depth;
  top.SetSavedIndex(selected);

  TPhraseStep step;
  step.Text = chosenItem.Text;
  step.Depth = chosen->GetKeyLength();
  step.Type = chosen->LastWord()->WordType();
  step.Below = PhraseLists;
  step.Pushed = std::make_shared<TPhraseList>();
  step.Generation = Generation;
  KeyLetters.push_back("/");
  Depth = step.Depth;
  PhraseLists.push_back(step.Pushed);
  CandidateLists.push_back(Borrow(step.Pushed->Candidates()));
  PendingPhrase = std::move(step);
  // The list chosen from is gone; the phrases come when built.
  Show(NoCandidates, 0, -1);
  after.Add([this] { PostOperation({opDeferred, ""}); });
}

void TCartridgeEXT::DeferredWork() {
  BuildPhraseMode();
  GatherVariants();
}

void TCartridgeEXT::BuildPhraseMode() {
  TPhraseStep step;
  {
    std::lock_guard lock(StateMutex);
    if (!PendingPhrase) return;
    step = std::move(*PendingPhrase);
    PendingPhrase.reset();
  }
  for (;;) {
    unsigned generation = step.Generation;
    std::optional<TPhraseLevel> built =
        BuildPhraseLevel(step, LoopStop([this, generation] { return StepStopped(generation); }));
    if (PublishPhraseLevel(step, std::move(built)) == TPublish::Done) return;
  }
}

std::optional<TCartridgeEXT::TPhraseLevel> TCartridgeEXT::BuildPhraseLevel(
    const TPhraseStep& step, const TStop& stop) const {
  const TConjugation& conjugation = GetConjugation();
  const TPhraseList& top = *step.Below.back();
  TPhraseLevel built;
  built.List = std::make_shared<TPhraseList>();
  TPhraseList& next = *built.List;
  int depth = step.Depth;
  int type = step.Type;
  TGrowthSources expanded;
  for (std::size_t i = 0; i < top.Count() && !stop(); ++i) {
    const TPhrase* phrase = top.GetItem(i);
    const TWord* word = phrase->LastWord();
    if (word == nullptr) continue;
    if (word->Notation() != step.Text && phrase->GetNotation() != step.Text) continue;
    // Equal words expand equally; their key length is the same too.
    if (!expanded.IsNew(*word)) continue;
    const auto& endings = conjugation.EndingList(word->WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (endings[form] == "_") continue;
      const TPhrase* stem = next.Pool().New(*word, form);
      next.Add(stem);
      AddConnected(stem, next, stop);
    }
    if (word->KeyLength() < depth) {
      depth = word->KeyLength();
      type = word->WordType();
    }
  }
  if (stop()) return std::nullopt;
  if (depth != 0 && TakesExtraKey(type)) ++depth;
  if (depth == 0) depth = 1;
  built.Depth = depth;
  built.PlainWords = OnlyPlainWords(next);
  if (built.PlainWords) {
    built.Candidates = &next.SelectByLength(depth);
    std::optional<TStringList> variants = VariantsOf(step.Text, next, stop);
    if (!variants) return std::nullopt;
    built.Variants = std::move(*variants);
  } else {
    built.Candidates = &next.SelectByRange(depth, depth + 1);
  }
  return built;
}

TCartridgeEXT::TPublish TCartridgeEXT::PublishPhraseLevel(TPhraseStep& step,
                                                          std::optional<TPhraseLevel> built) {
  std::optional<TPhraseLevel> unused;  // freed after the lock
  std::lock_guard lock(StateMutex);
  // Cleared on the UI thread, or a waiting back step or clear takes the level.
  if (PhraseLists.back() != step.Pushed || AbortRequested || UndoQueued()) {
    unused = std::move(built);
    return TPublish::Done;
  }
  if (!built) {
    step.Generation = Generation;
    return TPublish::BuildAgain;
  }
  Depth = built->Depth;
  PhraseLists.back() = built->List;
  CandidateLists.back() = Borrow(*built->Candidates);
  if (built->PlainWords) {
    // Nothing to grow: the other forms of the chosen text instead.
    Variants = std::move(built->Variants);
    VariantsShown = true;
    VariantsAutoShown = true;
    ShowFromWorker(Variants, 0, -1);
  } else {
    if (Active && QueueEmpty()) ShowStatus("文節モード");
    ShowFromWorker(*built->Candidates, 0, -1);
  }
  Deselect();
  return TPublish::Done;
}
