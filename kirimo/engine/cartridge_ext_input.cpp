// Row keys, grid syllables, vowels and phrase mode.
#include <memory>

#include "common/blank_text.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/growth_sources.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/phrase.h"
#include "kirimo/language/word.h"
#include "kirimo/modes/symbol_list_file.h"

namespace {

// Verb types whose stem alone is one key short of the shortest form.
bool TakesExtraKey(int type) {
  return (type >= 4 && type <= 7) || (type >= 9 && type <= AdjectiveWordType);
}

}  // namespace

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
    Narrowing = true;
  }
  // The phrase list stays: Back after a vowel returns to the list before the key.
  const TStringList& narrowed = top->NarrowByVowel(letter, depth);
  std::lock_guard lock(StateMutex);
  Narrowing = false;
  if (PhraseLists.back() != top) return;  // cleared on the UI thread meanwhile
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
    EnterPhraseMode(*selected);
  } else {
    Deselect();
  }
}

void TCartridgeEXT::EnterPhraseMode(const TCandidateListModel::TItem& chosenItem) {
  TPhraseList& top = TopList();
  const int selected = chosenItem.Index;
  const TPhrase* chosen = top.CandidatePhrase(static_cast<std::size_t>(selected));
  if (chosen == nullptr || chosen->LastWord() == nullptr) return;
  TCartridge::Accumulate();
  PhraseMode = true;
  const std::string& text = chosenItem.Text;
  SavedDepth = Depth;
  Depth = chosen->GetKeyLength();
  int type = chosen->LastWord()->WordType();
  top.SetSavedIndex(selected);

  const TConjugation& conjugation = GetConjugation();
  auto next = std::make_shared<TPhraseList>();
  TGrowthSources expanded;
  const TStop stop = [this] { return AbortRequested.load(); };
  for (std::size_t i = 0; i < top.Count() && !stop(); ++i) {
    const TPhrase* phrase = top.GetItem(i);
    const TWord* word = phrase->LastWord();
    if (word == nullptr) continue;
    if (word->Notation() != text && phrase->GetNotation() != text) continue;
    // Equal words expand equally; their key length is the same too.
    if (!expanded.IsNew(*word)) continue;
    const auto& endings = conjugation.EndingList(word->WordType());
    for (int form = 0; form < FormCount; ++form) {
      if (endings[form] == "_") continue;
      const TPhrase* stem = next->Pool().New(*word, form);
      next->Add(stem);
      AddConnected(stem, *next, stop);
    }
    if (word->KeyLength() < Depth) {
      Depth = word->KeyLength();
      type = word->WordType();
    }
  }
  if (Depth != 0 && TakesExtraKey(type)) ++Depth;
  if (Depth == 0) Depth = 1;

  bool onlyPlainWords = true;
  for (std::size_t i = 0; i < next->Count() && onlyPlainWords; ++i) {
    const TWord* word = next->GetItem(i)->LastWord();
    onlyPlainWords = word == nullptr || word->WordType() == OtherWordType;
  }
  KeyLetters.push_back("/");
  PhraseLists.push_back(std::move(next));
  if (onlyPlainWords) {
    CandidateLists.push_back(Borrow(TopList().SelectByLength(Depth)));
    BuildVariants(text);
    ShowVariants();
    VariantsAutoShown = true;
  } else {
    CandidateLists.push_back(Borrow(TopList().SelectByRange(Depth, Depth + 1)));
    if (Active) ShowStatus("文節モード");
    Show(*CandidateLists.back(), 0, -1);
  }
  Deselect();
}
