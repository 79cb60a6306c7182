// Back and Clear: stepping down the key stack, closing the variants, and the
// symbol list at the root.
#include "kirimo/engine/cartridge_ext.h"

void TCartridgeEXT::Back() {
  TAfterUnlock after;
  std::shared_ptr<TPhraseList> popped;  // a large list is freed after the lock
  std::lock_guard lock(StateMutex);
  // The top level's list shows again with the item chosen from it selected;
  // the lists of the root from their top.
  bool fromTop = false;
  switch (ListState.Shown()) {
    case TShown::History:
    case TShown::Symbols:
      ToggleSymbolList(after);
      fromTop = true;
      break;
    case TShown::Candidates:
    case TShown::Narrowing:
      popped = Levels.Pop();
      ListState.ShowStack(Levels.KeysEntered());
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
      if (Levels.KeysEntered()) popped = Levels.Pop();
      CloseVariants();
      break;
  }
  if (!QueueEmpty()) {
    ShowNothing();
    return;
  }
  if (fromTop) {
    Show(ActedOnList(), 0, -1);
  } else {
    TPhraseList& top = Levels.Top();
    Show(Levels.TopCandidates(), top.AnchorTopIndex(), top.GetSavedIndex());
  }
}

void TCartridgeEXT::ClearLevels(TAfterUnlock& after) {
  std::vector<std::shared_ptr<TPhraseList>> popped = Levels.Clear();
  // A key step still building for a popped level stops.
  ++Generation;
  // Freed with the calls, after the lock.
  if (!popped.empty()) after.Add([popped = std::move(popped)] {});
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
