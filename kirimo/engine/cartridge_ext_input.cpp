// Row keys, grid syllables, vowels and the long press.
#include <memory>

#include "common/blank_text.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/growth_sources.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

void TCartridgeEXT::InputKey(std::string_view caption) {
  RunKeyStep(KeyLetterOfCaption(caption), false);
}

void TCartridgeEXT::InputSyllable(std::string_view text) {
  RunKeyStep(NormalizeKana(ToHalfWidth(ToKatakana(text))), true);
}

bool TCartridgeEXT::Ignores(std::string_view letter) {
  if (!VariantsShown && !DeadEnd && TopList().Count() > 0 && !IsBlankText(letter)) return false;
  ShowAgain();
  return true;
}

void TCartridgeEXT::ShowAgain() {
  if (VariantsShown) {
    ShowFromWorker(Variants, 0, -1);
  } else if (SymbolListShown) {
    ShowFromWorker(*SymbolItems, 0, -1);
  } else {
    ShowFromWorker(*CandidateLists.back(), TopList().AnchorTopIndex(), -1);
  }
}

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
    if (!KeysEntered()) {
      ShowAgain();
      return;
    }
    // Nothing to choose from while the top list narrows; the UI thread
    // leaves that list alone until it is done.
    top = PhraseLists.back();
    depth = Depth;
    KeyLetters.back() = letter;
    CandidateLists.back() = Borrow(NoCandidates);
    ShowNothing();
    Narrowing = true;
  }
  // The phrase list stays: Back after a vowel returns to the list before the key.
  auto undone = [this] { return AbortRequested || UndoQueued(); };
  const TStringList& narrowed = top->NarrowByVowel(letter, depth, LoopStop(undone));
  std::lock_guard lock(StateMutex);
  Narrowing = false;
  if (PhraseLists.back() != top) return;  // cleared on the UI thread meanwhile
  // A waiting back step or clear takes the level; until then nothing to choose.
  if (undone()) return;
  CandidateLists.back() = Borrow(narrowed);
  if (Active) Show(narrowed, 0, -1);
}

void TCartridgeEXT::Accumulate() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  std::optional<TCandidateListModel::TItem> selected = Selection();
  if (!selected) return;
  if (VariantsShown) {
    Deselect();
  } else if (SymbolListShown) {
    const std::string& label = selected->Text;
    if (!SymbolList->IsKeyLabel(label)) {
      ForwardLocked(after);
    } else if (!SymbolList->IsModifierLabel(label) || !SymbolList->IsModifierHeld(label)) {
      Deselect();
    }
  } else if (PhraseMode || GridOn()) {
    ForwardLocked(after);
  } else if (KeysEntered()) {
    EnterPhraseMode(*selected, after);
  } else {
    Deselect();
  }
}
