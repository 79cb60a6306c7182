// What the list shows: the changes of state, the list each state acts on, and
// drawing it.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

bool TCartridgeEXT::HandlesForward() const {
  std::lock_guard lock(StateMutex);
  return ListState.ShowsSymbols();
}

void TCartridgeEXT::ToggleSymbolList(TAfterUnlock& after) {
  if (ListState.Shown() == TShown::Symbols) {
    HideSymbolList(after);
    Show(History.Entries(), 0, -1);
  } else if (SymbolList) {
    ListState.ShowSymbols();
    Show(SymbolList->Items(), 0, -1);
  }
  Deselect();
}

void TCartridgeEXT::HideSymbolList(TAfterUnlock& after) {
  ListState.HideSymbols();
  // The list is set once, before any operation runs, so it outlives the call.
  if (TSymbolListFile* list = SymbolList.get()) after.Add([list] { list->ReleaseModifiers(); });
}

void TCartridgeEXT::ShowVariants(TVariantsList::TRequest request) {
  ListState.ShowVariants();
  Variants.Open(std::move(request));
  Show(Variants.Items(), 0, -1);
}

void TCartridgeEXT::CloseVariants() {
  Variants.Close();
  ListState.CloseVariants(Levels.KeysEntered());
}

const TStringList& TCartridgeEXT::ActedOnList() const {
  switch (ListState.Shown()) {
    case TShown::Variants:
    case TShown::SymbolVariants:
    case TShown::PhraseVariants:
      return Variants.Items();
    case TShown::Symbols:
      return SymbolList->Items();
    case TShown::History:
    case TShown::Candidates:
    case TShown::Narrowing:
      break;
  }
  // The root's candidates are the history.
  return Levels.TopCandidates();
}

void TCartridgeEXT::Show(const TStringList& list, int topIndex, int selected) {
  if (!Active) return;
  WithListBox([&](TCandidateListModel& view) {
    view.SetItems(list);
    view.SetTopIndex(topIndex);
    if (selected >= 0) view.SetSelected(selected, true);
    view.SetItemIndex(selected);
  });
}

void TCartridgeEXT::ShowFromWorker(const TStringList& list, int topIndex, int selected) {
  // A burst of keys repaints once, after its last key; until then the list
  // shows nothing, never a list the cartridge has left.
  if (QueueEmpty()) {
    Show(list, topIndex, selected);
  } else {
    ShowNothing();
  }
}

void TCartridgeEXT::ShowAgain() {
  // Posting emptied the list box: an operation that changes nothing shows
  // again what stays.
  bool stack = !ListState.ShowsVariants() && ListState.Shown() != TShown::Symbols;
  ShowFromWorker(ActedOnList(), stack ? Levels.Top().AnchorTopIndex() : 0, -1);
}

void TCartridgeEXT::ShowNothing() {
  // When the cartridge leaves the list it shows with nothing to show yet: a
  // click on the list left behind would be taken for stale and type nothing.
  if (!Active) return;
  WithListBox([](TCandidateListModel& view) {
    if (view.Count() > 0) view.Clear();
  });
}

std::optional<TCandidateListModel::TItem> TCartridgeEXT::Selection() {
  return SelectionIn(ActedOnList());
}

std::optional<TCandidateListModel::TItem> TCartridgeEXT::ClickedItem(int index) {
  // A selection left on another item (a back step restores one) does not
  // take the click.
  const TStringList& list = ActedOnList();
  bool pressed = false;
  WithListBox([&](TCandidateListModel& view) { pressed = view.IsSelected(index); });
  if (pressed && ShowsItemOf(index, list)) return TCandidateListModel::TItem{index, list[index]};
  return SelectionIn(list);
}

void TCartridgeEXT::Deselect() {
  WithListBox([](TCandidateListModel& view) { view.ClearSelection(); });
}
