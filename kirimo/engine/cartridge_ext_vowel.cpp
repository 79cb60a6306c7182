// Vowels: the top level's list narrowed to the phrases whose last key has
// that vowel, without the state lock.
#include <memory>

#include "common/kana_conversion.h"
#include "kirimo/engine/cartridge_ext.h"

void TCartridgeEXT::InputVowel(std::string_view text) {
  if (IsKeyCommand(text)) {
    if (Active) SendKeyCommand(text);
    return;
  }
  std::string letter = ToHalfWidth(ToKatakana(text));
  std::shared_ptr<TPhraseList> top;
  int depth = 0;
  {
    std::lock_guard lock(StateMutex);
    if (!Levels.KeysEntered()) {
      ShowAgain();
      return;
    }
    // Nothing to choose from while the top list narrows; the UI thread
    // leaves that list alone until it is done.
    top = Levels.TopLevel();
    depth = Levels.Depth();
    Levels.SetTopLetter(letter);
    Levels.ShowCandidates(NoCandidates);
    // Variants left open were of a candidate of the list the vowel narrows.
    Variants.Close();
    ListState.ShowNarrowing();
    ShowNothing();
  }
  // The phrase list stays: Back after a vowel returns to the list before the key.
  auto undone = [this] { return AbortRequested || UndoQueued(); };
  const TStringList& narrowed = top->NarrowByVowel(letter, depth, LoopStop(undone));
  std::lock_guard lock(StateMutex);
  if (Levels.TopLevel() != top) return;  // cleared on the UI thread meanwhile
  ListState.ShowStack(Levels.KeysEntered());
  // A waiting back step or clear takes the level; until then nothing to choose.
  if (undone()) return;
  Levels.ShowCandidates(narrowed);
  if (Active) Show(narrowed, 0, -1);
}
