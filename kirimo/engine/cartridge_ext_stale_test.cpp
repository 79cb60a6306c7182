// A selection the user made on a list the worker has since replaced must do
// nothing: the cartridge acts on its own newest list, not on what the list
// box showed a moment before.
#include <gtest/gtest.h>

#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

class TCartridgeEXTStale : public TCartridgeEXTFixture {
 protected:
  // The list box shows items the cartridge no longer has, with item index selected.
  void ShowOldList(const TStringList& items, int index) {
    List.SetItems(items);
    List.SetSelected(index, true);
    List.SetItemIndex(index);
  }
};

TEST_F(TCartridgeEXTStale, LongPressPastTheEndOfTheNewListDoesNothing) {
  Keys({"や", "ら"});
  const TStringList current = List.Items();
  ASSERT_FALSE(current.empty());
  TStringList older = current;
  for (int i = 0; i < 50; ++i) older.push_back("古" + std::to_string(i));
  ShowOldList(older, static_cast<int>(older.size()) - 1);

  Cartridge->Accumulate();
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾔﾗ");
  EXPECT_EQ(Cartridge->StackDepth(), 2);
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(TCartridgeEXTStale, AnIndexInRangeWithAnotherTextIsStaleToo) {
  Keys({"や", "ら"});
  TStringList shifted = List.Items();
  ASSERT_GE(shifted.size(), 2u);
  shifted.insert(shifted.begin(), "別の語");
  ShowOldList(shifted, 1);  // index 1 now holds what the cartridge has at 0

  Cartridge->Accumulate();
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾔﾗ");
  Cartridge->SelectCandidate(1);
  Cartridge->SendSelected();
  EXPECT_TRUE(Output.Calls().empty());
  EXPECT_EQ(Cartridge->GetKeyString(), "ﾔﾗ");
}

TEST_F(TCartridgeEXTStale, TheSameSelectionOnTheCurrentListStillWorks) {
  Keys({"や", "ら"});
  LongPress("よろしく");
  EXPECT_GE(Position("ヨロシク"), 0);
}

}  // namespace
