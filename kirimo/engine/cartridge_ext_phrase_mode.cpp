// Phrase mode: a long press on a candidate makes its word the stem of longer
// phrases. The press itself only pushes the "/" level, empty; the worker
// expands the stem (every form, grown by connection) without the state lock
// and fills the level while it is still on top. A dictionary with many words
// of the chosen notation costs the worker time, never the keypad.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"

void TCartridgeEXT::EnterPhraseMode(const TCandidateListModel::TItem& chosenItem,
                                    TAfterUnlock& after) {
  TPhraseList& top = Levels.Top();
  const int selected = chosenItem.Index;
  const TPhrase* chosen = top.CandidatePhrase(static_cast<std::size_t>(selected));
  if (chosen == nullptr || chosen->LastWord() == nullptr) return;
  TCartridge::Accumulate();
  top.SetSavedIndex(selected);

  TPhraseStep step;
  step.Text = chosenItem.Text;
  step.Depth = chosen->GetKeyLength();
  step.Type = chosen->LastWord()->WordType();
  step.Below = Levels.Lists();
  step.Pushed = std::make_shared<TPhraseList>();
  step.Generation = Generation;
  Levels.PushPhraseMode(step.Pushed, step.Depth);
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
        Builder.PhraseLevel(step, LoopStop([this, generation] { return StepStopped(generation); }));
    if (PublishPhraseLevel(step, std::move(built)) == TPublish::Done) return;
  }
}

TCartridgeEXT::TPublish TCartridgeEXT::PublishPhraseLevel(TPhraseStep& step,
                                                          std::optional<TPhraseLevel> built) {
  std::optional<TPhraseLevel> unused;  // freed after the lock
  std::lock_guard lock(StateMutex);
  // Cleared on the UI thread, or a waiting back step or clear takes the level.
  if (Levels.TopLevel() != step.Pushed || AbortRequested || UndoQueued()) {
    unused = std::move(built);
    return TPublish::Done;
  }
  if (!built) {
    step.Generation = Generation;
    return TPublish::BuildAgain;
  }
  Levels.Fill(built->List, *built->Candidates, built->Depth);
  if (built->PlainWords) {
    // Nothing to grow: the other forms of the chosen text instead.
    ListState.ShowPhraseVariants();
    Variants.Fill(std::move(built->Variants));
    ShowFromWorker(Variants.Items(), 0, -1);
  } else {
    if (Active && QueueEmpty()) ShowStatus("文節モード");
    ShowFromWorker(*built->Candidates, 0, -1);
  }
  Deselect();
  return TPublish::Done;
}
