// Back and Clear: stepping down the key stack, closing the variants, and the
// symbol list at the root.
#include "kirimo/engine/cartridge_ext.h"

std::shared_ptr<TPhraseList> TCartridgeEXT::PopLevel() {
  if (KeyLetters.back() == "/") {
    PhraseMode = false;
    Depth = SavedDepth;
  } else {
    --Depth;
  }
  std::shared_ptr<TPhraseList> popped = std::move(PhraseLists.back());
  KeyLetters.pop_back();
  CandidateLists.pop_back();
  PhraseLists.pop_back();
  ShowStack();
  return popped;
}

void TCartridgeEXT::Back() {
  TAfterUnlock after;
  std::shared_ptr<TPhraseList> popped;  // a large list is freed after the lock
  std::lock_guard lock(StateMutex);
  // The top level's list shows again with the item chosen from it selected;
  // the lists of the root from their top.
  bool fromTop = false;
  switch (Shown) {
    case TShown::History:
    case TShown::Symbols:
      ToggleSymbolList(after);
      Depth = 0;
      fromTop = true;
      break;
    case TShown::Candidates:
    case TShown::Narrowing:
      popped = PopLevel();
      break;
    case TShown::SymbolVariants:
      CloseVariants();
      fromTop = true;
      break;
    case TShown::Variants:
      CloseVariants();
      break;
    case TShown::PhraseVariants:
      // The variants came with phrase mode: leave that step too.
      CloseVariants();
      if (KeysEntered()) popped = PopLevel();
      break;
  }
  if (!QueueEmpty()) {
    ShowNothing();
    return;
  }
  if (fromTop) {
    Show(ActedOnList(), 0, -1);
  } else {
    TPhraseList& top = TopList();
    Show(*CandidateLists.back(), top.AnchorTopIndex(), top.GetSavedIndex());
  }
}

void TCartridgeEXT::ClearLevels(TAfterUnlock& after) {
  std::vector<std::shared_ptr<TPhraseList>> popped(PhraseLists.begin() + 1, PhraseLists.end());
  PhraseLists.resize(1);
  KeyLetters.resize(1);
  CandidateLists.resize(1);
  // A key step still building for a popped level stops.
  ++Generation;
  // Freed with the calls, after the lock.
  if (!popped.empty()) after.Add([popped = std::move(popped)] {});
  Depth = 0;
  SavedDepth = 0;
  PhraseMode = false;
  CloseVariants();
  HideSymbolList(after);
  Show(History.Entries(), 0, -1);
}

void TCartridgeEXT::Clear() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  TCartridge::Clear();
  ClearLevels(after);
}
