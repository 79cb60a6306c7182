#include "kirimo/engine/list_state.h"

#include <gtest/gtest.h>

namespace {

using TShown = TListState::TShown;

TEST(ListState, VariantsCloseToTheListTheyWereShownOver) {
  TListState state;
  state.ShowVariants();  // of a history entry
  EXPECT_EQ(state.Shown(), TShown::Variants);
  state.CloseVariants(false);
  EXPECT_EQ(state.Shown(), TShown::History);

  state.ShowSymbols();
  state.ShowVariants();
  EXPECT_EQ(state.Shown(), TShown::SymbolVariants);
  EXPECT_TRUE(state.ShowsSymbols());
  state.CloseVariants(false);
  EXPECT_EQ(state.Shown(), TShown::Symbols);

  state.ShowStack(true);
  state.ShowPhraseVariants();
  EXPECT_TRUE(state.ShowsVariants());
  state.CloseVariants(true);
  EXPECT_EQ(state.Shown(), TShown::Candidates);
}

TEST(ListState, HidingTheSymbolListKeepsTheWidthFormsOfASymbol) {
  TListState state;
  state.ShowSymbols();
  state.HideSymbols();
  EXPECT_EQ(state.Shown(), TShown::History);
  state.ShowSymbols();
  state.ShowVariants();
  state.HideSymbols();
  EXPECT_EQ(state.Shown(), TShown::Variants);
  EXPECT_FALSE(state.ShowsSymbols());
  state.ShowStack(true);
  state.HideSymbols();
  EXPECT_EQ(state.Shown(), TShown::Candidates);
}

}  // namespace
