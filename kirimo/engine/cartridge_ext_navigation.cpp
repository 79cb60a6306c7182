// Back and Clear: stepping down the key stack, and the symbol list at the root.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/modes/symbol_list_file.h"

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

void TCartridgeEXT::PopLevel() {
  if (KeyLetters.back() == "/") {
    PhraseMode = false;
    Depth = SavedDepth;
  } else {
    --Depth;
  }
  KeyLetters.pop_back();
  CandidateLists.pop_back();
  PhraseLists.pop_back();
  if (!KeysEntered()) RetiredStocks.clear();
}

void TCartridgeEXT::Back() {
  TAfterUnlock after;
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
  if (!QueueEmpty()) return;
  if (chosen) {
    Show(*chosen, 0, -1);
  } else {
    TPhraseList& top = TopList();
    Show(*CandidateLists.back(), top.AnchorTopIndex(), top.GetSavedIndex());
  }
}

void TCartridgeEXT::ClearLevels(TAfterUnlock& after) {
  while (KeysEntered()) {
    KeyLetters.pop_back();
    CandidateLists.pop_back();
    PhraseLists.pop_back();
  }
  RetiredStocks.clear();
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
