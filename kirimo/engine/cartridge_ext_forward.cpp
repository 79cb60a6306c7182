// The long press and Forward: the variants list, the jump to the next initial
// letter, phrase mode, and the symbol list at the root.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

void TCartridgeEXT::Accumulate() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  std::optional<TCandidateListModel::TItem> selected = Selection();
  if (!selected) return;
  const bool forwards = Levels.PhraseMode() || GridOn();
  switch (ListState.Shown()) {
    case TShown::Symbols: {
      const std::string& label = selected->Text;
      if (!SymbolList->IsKeyLabel(label)) {
        ForwardLocked(after);
      } else if (!SymbolList->IsModifierLabel(label) || !SymbolList->IsModifierHeld(label)) {
        Deselect();
      }
      break;
    }
    case TShown::Candidates:
      if (forwards) {
        ForwardLocked(after);
      } else {
        EnterPhraseMode(*selected, after);
      }
      break;
    case TShown::History:
      if (forwards) {
        ForwardLocked(after);
      } else {
        Deselect();
      }
      break;
    case TShown::Narrowing:  // nothing to choose from yet
      break;
    case TShown::Variants:
    case TShown::SymbolVariants:
    case TShown::PhraseVariants:
      Deselect();
      break;
  }
}

void TCartridgeEXT::Forward() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  ForwardLocked(after);
}

void TCartridgeEXT::ForwardLocked(TAfterUnlock& after) {
  std::optional<TCandidateListModel::TItem> selection = Selection();
  switch (ListState.Shown()) {
    case TShown::Candidates:
      if (GridOn() || Levels.PhraseMode()) {
        if (selection) RequestVariants(selection->Text, TVariantsList::Candidate, after);
      } else if (Active) {
        int top = Levels.Top().NextAnchor();
        int first = Levels.Top().AnchorTopIndex();
        WithListBox([&](TCandidateListModel& view) {
          view.SetTopIndex(top);
          view.ClearSelection();
          view.SetSelected(first, true);
          view.SetItemIndex(first);
        });
      }
      break;
    case TShown::History:
    case TShown::Symbols:
      if (selection) {
        // A date/time item offers the widths of what it types.
        std::string text = selection->Text;
        if (SymbolList && SymbolList->IsDateTimeLabel(text))
          text = SymbolList->FormatDateTimeOf(text);
        RequestVariants(text, TVariantsList::WidthsOnly, after);
      } else if (Active) {
        ToggleSymbolList(after);
      }
      break;
    case TShown::Narrowing:  // nothing to choose from, nor to jump in, yet
    case TShown::Variants:
    case TShown::SymbolVariants:
    case TShown::PhraseVariants:
      break;
  }
}

void TCartridgeEXT::RequestVariants(const std::string& text, TVariantsList::TKind kind,
                                    TAfterUnlock& after) {
  ShowVariants({text, kind, Levels.TopLevel()});
  after.Add([this] { PostOperation({opDeferred, ""}); });
}

void TCartridgeEXT::GatherVariants() {
  std::optional<TVariantsList::TRequest> request;
  {
    std::lock_guard lock(StateMutex);
    request = Variants.TakeRequest();
  }
  if (!request) return;
  // The list stays as it is while the variants are shown: only the worker
  // changes it, and it is here.
  std::optional<TStringList> variants =
      TVariantsList::Gather(*request, LoopStop([this] { return AbortRequested || UndoQueued(); }));
  std::lock_guard lock(StateMutex);
  // A back step or clear closed them meanwhile, or is about to.
  if (!variants || !ListState.ShowsVariants() || Levels.TopLevel() != request->Top) return;
  Variants.Fill(std::move(*variants));
  ShowFromWorker(Variants.Items(), 0, -1);
}
