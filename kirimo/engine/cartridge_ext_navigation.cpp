// Back and Clear: stepping down the key stack, and the symbol list at the root.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

void TCartridgeEXT::HideSymbolList(TAfterUnlock& after) {
  SymbolListShown = false;
  // The list is set once, before any operation runs, so it outlives the call.
  if (TSymbolListFile* list = SymbolList.get()) after.Add([list] { list->ReleaseModifiers(); });
}

void TCartridgeEXT::ToggleSymbolList(TAfterUnlock& after) {
  if (SymbolListShown) {
    HideSymbolList(after);
    Show(History, 0, -1);
  } else if (SymbolList) {
    SymbolListShown = true;
    Show(*SymbolItems, 0, -1);
  }
  Deselect();
}

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
  return popped;
}

void TCartridgeEXT::Back() {
  TAfterUnlock after;
  std::shared_ptr<TPhraseList> popped;  // a large list is freed after the lock
  std::lock_guard lock(StateMutex);
  const TStringList* chosen = nullptr;
  if (VariantsShown) {
    Variants.clear();
    VariantsShown = false;
    if (SymbolListShown) {
      chosen = SymbolItems;
    } else if (VariantsAutoShown) {
      // The variants came with phrase mode: leave that step too.
      VariantsAutoShown = false;
      if (KeysEntered()) PopLevel();
    }
  } else if (KeysEntered()) {
    PopLevel();
  } else {
    ToggleSymbolList(after);
    Depth = 0;
    chosen = SymbolListShown ? SymbolItems : &History;
  }
  if (!QueueEmpty()) {
    ShowNothing();
    return;
  }
  if (chosen) {
    Show(*chosen, 0, -1);
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
  Variants.clear();
  VariantsShown = false;
  VariantsAutoShown = false;
  HideSymbolList(after);
  Show(History, 0, -1);
}

void TCartridgeEXT::Clear() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  TCartridge::Clear();
  ClearLevels(after);
}
