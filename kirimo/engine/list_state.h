#pragma once
// What the Japanese cartridge's list shows, and so what a click, a long press,
// Forward, Back and a key act on. Every change of it is one of the calls
// here. It has no lock of its own: its owner guards it.
class TListState {
 public:
  enum class TShown {
    History,         // the root's list: no key entered
    Symbols,         // the symbol list, at the root
    Candidates,      // the top level's
    Narrowing,       // nothing yet: a vowel narrows the top level's candidates
    Variants,        // of a candidate or a history entry, over that list
    SymbolVariants,  // the width forms of a symbol, over the symbol list
    PhraseVariants,  // of the plain words a long press chose: Back leaves phrase mode too
  };

  TShown Shown() const { return State; }
  bool ShowsVariants() const;
  // The symbol list, or the width forms of one of its items.
  bool ShowsSymbols() const { return State == TShown::Symbols || State == TShown::SymbolVariants; }

  // The key stack's own list: the top level's candidates, or the history at the root.
  void ShowStack(bool keysEntered) { State = keysEntered ? TShown::Candidates : TShown::History; }
  void ShowSymbols() { State = TShown::Symbols; }
  // The width forms of a symbol stay, as the variants of an item at the root.
  void HideSymbols();
  // Over the symbol list they are the width forms of a symbol.
  void ShowVariants();
  void ShowPhraseVariants() { State = TShown::PhraseVariants; }
  // Back to the list the variants were shown over.
  void CloseVariants(bool keysEntered);
  void ShowNarrowing() { State = TShown::Narrowing; }

 private:
  TShown State = TShown::History;
};
