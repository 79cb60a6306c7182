#include "kirimo/engine/list_state.h"

bool TListState::ShowsVariants() const {
  return State == TShown::Variants || State == TShown::SymbolVariants ||
         State == TShown::PhraseVariants;
}

void TListState::HideSymbols() {
  if (State == TShown::Symbols) State = TShown::History;
  if (State == TShown::SymbolVariants) State = TShown::Variants;
}

void TListState::ShowVariants() {
  State = State == TShown::Symbols ? TShown::SymbolVariants : TShown::Variants;
}

void TListState::CloseVariants(bool keysEntered) {
  if (State == TShown::SymbolVariants) {
    State = TShown::Symbols;
  } else {
    ShowStack(keysEntered);
  }
}
