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

bool KeyMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchKeyAt(letter, depth) == MatchYes;
}

bool SyllableMatches(const TPhrase& phrase, std::string_view letter, int depth) {
  return phrase.MatchSyllableAt(letter, depth) == MatchYes;
}

// Verb types whose stem alone is one key short of the shortest form.
bool TakesExtraKey(int type) {
  return (type >= 4 && type <= 7) || (type >= 9 && type <= AdjectiveWordType);
}

}  // namespace

void TCartridgeEXT::InputKey(std::string_view caption) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  if (SymbolListShown) HideSymbolList(after);
  std::string letter = KeyLetterOfCaption(caption);
  if (Ignores(letter)) return;
  PushKeyLevel(letter, false);
}

void TCartridgeEXT::InputSyllable(std::string_view text) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  if (SymbolListShown) HideSymbolList(after);
  std::string letter = NormalizeKana(ToHalfWidth(ToKatakana(text)));
  if (Ignores(letter)) return;
  PushKeyLevel(letter, true);
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

void TCartridgeEXT::PushKeyLevel(const std::string& letter, bool syllable) {
  TPhraseList& top = TopList();
  int old = Depth;
  std::unique_ptr<TPhraseList> next;
  KeyLetters.push_back(letter);
  Depth = old + 1;
  if (old == 0) {
    TPhraseList* cached = syllable ? BuildSyllableList(letter) : BuildRowList(letter);
    next = cached ? std::make_unique<TPhraseList>(cached) : std::make_unique<TPhraseList>();
  } else {
    next = std::make_unique<TPhraseList>();
    TFilter filter = syllable ? SyllableMatches : KeyMatches;
    // Grid syllables always grow past a phrase's end; row keys only in phrase mode.
    bool grow = syllable || PhraseMode;
    TGrowthSources grown;
    for (std::size_t i = 0; i < top.Count() && !AbortRequested; ++i) {
      const TPhrase* phrase = top.GetItem(i);
      TMatch match =
          syllable ? phrase->MatchSyllableAt(letter, Depth) : phrase->MatchKeyAt(letter, Depth);
      if (match == MatchYes) {
        const TPhrase* carried = phrase->Follow(next->Pool());
        if (syllable) {
          next->AddSyllable(carried);
        } else {
          next->Add(carried);
        }
      } else if (match == MatchBeyondEnd && grow && grown.IsNew(*phrase)) {
        AddConnected(phrase, *next, filter, letter, syllable);
      }
    }
  }
  next->SetAnchor(top.GetAnchor());
  const TStringList& candidates =
      syllable ? next->SelectSyllable(Depth) : next->SelectByLength(Depth);
  bool empty = next->Count() == 0;
  PhraseLists.push_back(std::move(next));
  CandidateLists.push_back(Borrow(candidates));
  if (empty) DeadEnd = true;
  ShowFromWorker(candidates, TopList().AnchorTopIndex(), -1);
}

void TCartridgeEXT::InputVowel(std::string_view text) {
  if (IsKeyCommand(text)) {
    if (Active) SendKeyCommand(text);
    return;
  }
  std::lock_guard lock(StateMutex);
  if (!KeysEntered()) {
    ShowAgain();
    return;
  }
  std::string letter = ToHalfWidth(ToKatakana(text));
  // The phrase list stays: Back after a vowel returns to the list before the key.
  CandidateLists.back() = Borrow(TopList().NarrowByVowel(letter, Depth));
  KeyLetters.back() = letter;
  if (Active) Show(*CandidateLists.back(), 0, -1);
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
  auto next = std::make_unique<TPhraseList>();
  TGrowthSources expanded;
  for (std::size_t i = 0; i < top.Count() && !AbortRequested; ++i) {
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
      AddConnected(stem, *next);
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
