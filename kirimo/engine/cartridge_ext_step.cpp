// One key or syllable step. The new level goes on the stack at once, empty,
// so that everything the UI thread does meanwhile (a click, a long press,
// the follow group's depth) sees the stack as the keys posted so far make it,
// with nothing to choose from yet. The phrases are built without the state
// lock and put in the level only while it is still on top and nothing was
// reset; a waiting back step or clear stops the build, and its level is left
// empty for that step to take away.
#include "common/blank_text.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/key_letters.h"

void TCartridgeEXT::InputKey(std::string_view caption) {
  RunKeyStep(KeyLetterOfCaption(caption), false);
}

void TCartridgeEXT::InputSyllable(std::string_view text) {
  RunKeyStep(NormalizeKana(ToHalfWidth(ToKatakana(text))), true);
}

TLoopStop TCartridgeEXT::LoopStop(TLoopStop stopped) const {
  return [this, stopped = std::move(stopped)] {
    if (Probe) Probe();
    return stopped();
  };
}

bool TCartridgeEXT::StepStopped(unsigned generation) const {
  return AbortRequested || UndoQueued() || Generation != generation;
}

void TCartridgeEXT::RunKeyStep(const std::string& letter, bool syllable) {
  TKeyStep step;
  {
    TAfterUnlock after;
    std::lock_guard lock(StateMutex);
    if (Ignores(letter, after)) return;
    step = BeginKeyStep(letter, syllable);
  }
  for (;;) {
    unsigned generation = step.Generation;
    std::optional<TBuiltLevel> built =
        Builder.KeyLevel(step, LoopStop([this, generation] { return StepStopped(generation); }));
    if (PublishLevel(step, std::move(built)) == TPublish::Done) return;
  }
}

// Whether a key or syllable is to be ignored; then the shown list is restored.
bool TCartridgeEXT::Ignores(std::string_view letter, TAfterUnlock& after) {
  bool ignored = DeadEnd || Levels.Top().Count() == 0 || IsBlankText(letter);
  switch (ListState.Shown()) {
    case TShown::Symbols:
      HideSymbolList(after);  // the key is the first of the root
      break;
    case TShown::SymbolVariants:
      HideSymbolList(after);  // the width forms stay, and take no key
      ignored = true;
      break;
    case TShown::Variants:
    case TShown::PhraseVariants:
      ignored = true;
      break;
    case TShown::History:
    case TShown::Candidates:
    case TShown::Narrowing:
      break;
  }
  if (ignored) ShowAgain();
  return ignored;
}

TKeyStep TCartridgeEXT::BeginKeyStep(const std::string& letter, bool syllable) {
  TKeyStep step;
  step.Letter = letter;
  step.Syllable = syllable;
  step.Depth = Levels.Depth() + 1;
  // Grid syllables always grow past a phrase's end; row keys only in phrase mode.
  step.Grow = syllable || Levels.PhraseMode();
  step.Anchor = Levels.Top().GetAnchor();
  step.Below = Levels.Lists();
  if (step.Depth == 1) step.CacheKey = TLevelBuilder::CacheKeyOf(letter, syllable);
  TakeStepSources(step);

  step.Pushed = std::make_shared<TPhraseList>();
  step.Pushed->SetAnchor(step.Anchor);
  Levels.Push(letter, step.Pushed, step.Depth);
  ListState.ShowStack(Levels.KeysEntered());
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

TCartridgeEXT::TPublish TCartridgeEXT::PublishLevel(TKeyStep& step,
                                                    std::optional<TBuiltLevel> built) {
  // Declared before the lock: a level nobody wants is freed after it.
  std::optional<TBuiltLevel> unused;
  std::lock_guard lock(StateMutex);
  // A clear on the UI thread took the level away: the key is gone with it.
  if (Levels.TopLevel() != step.Pushed) return TPublish::Done;
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
  Levels.Fill(built->List, *built->Candidates, step.Depth);
  if (built->List->Count() == 0) DeadEnd = true;
  ShowFromWorker(*built->Candidates, built->TopIndex, -1);
  return TPublish::Done;
}
