#include "kirimo/cartridge_base/candidate_list_model.h"

#include <gtest/gtest.h>

namespace {

TEST(CandidateListModel, ReplacingItemsStartsSelectionAndScrollingOver) {
  TCandidateListModel list;
  list.SetItems({"蚊", "課", "化"});
  list.SetSelected(1, true);
  list.SetItemIndex(1);
  list.SetTopIndex(2);
  EXPECT_EQ(list.SelectedIndex(), 1);
  list.SetItems({"気"});
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST(CandidateListModel, InsertAndMoveCarrySelectionAndFocus) {
  TCandidateListModel list;
  list.SetItems({"a", "b", "c"});
  list.SetSelected(2, true);
  list.SetItemIndex(1);
  list.InsertItem(0, "Shift");
  EXPECT_EQ(list.Items(), (TStringList{"Shift", "a", "b", "c"}));
  EXPECT_TRUE(list.IsSelected(3));
  EXPECT_EQ(list.ItemIndex(), 2);
  list.MoveItem(3, 0);
  EXPECT_EQ(list.Items(), (TStringList{"c", "Shift", "a", "b"}));
  EXPECT_EQ(list.SelectedIndex(), 0);
  EXPECT_EQ(list.ItemText(list.ItemIndex()), "b");
  list.ClearSelection();
  EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST(CandidateListModel, OutOfRangeIndexesChangeNothing) {
  TCandidateListModel list;
  list.SetItems({"a", "b"});
  list.InsertItem(3, "x");
  list.MoveItem(0, 2);
  list.SetSelected(-1, true);
  list.SetItemIndex(5);
  EXPECT_EQ(list.Items(), (TStringList{"a", "b"}));
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.ItemText(2), "");
  EXPECT_EQ(list.IndexOf("b"), 1);
  EXPECT_EQ(list.IndexOf("x"), -1);
  list.SetTopIndex(9);
  EXPECT_EQ(list.TopIndex(), 1);
  list.SetTopIndex(-1);
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST(CandidateListModel, TheTopIndexStopsAtTheLastFullPage) {
  TCandidateListModel list;
  int changes = 0;
  list.SetObserver([&] { ++changes; });
  list.SetItems({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  list.SetTopIndex(9);
  EXPECT_EQ(list.TopIndex(), 9);  // one row a page until the window says
  changes = 0;
  list.SetPageRows(4);
  EXPECT_EQ(list.TopIndex(), 6);  // the page grew: rows 6 to 9 fill it
  EXPECT_EQ(changes, 1);
  list.SetPageRows(4);
  list.SetPageRows(2);  // smaller: the rows in view stay
  EXPECT_EQ(list.TopIndex(), 6);
  EXPECT_EQ(changes, 1);
  list.SetPageRows(4);
  list.SetTopIndex(7);
  EXPECT_EQ(list.TopIndex(), 6);
  // A list shorter than the page does not scroll.
  list.SetItems({"a", "b"});
  list.SetTopIndex(1);
  EXPECT_EQ(list.TopIndex(), 0);
  list.SetPageRows(0);
  list.SetTopIndex(1);
  EXPECT_EQ(list.TopIndex(), 1);
  list.SetObserver(nullptr);
}

}  // namespace

TEST(CandidateListModel, TellsItsObserverOfEveryChangeOutsideItsLock) {
  TCandidateListModel list;
  int changes = 0;
  // The observer reads the model: it must not be called under the model's lock.
  list.SetObserver([&] {
    ++changes;
    list.Count();
  });
  list.SetItems({"a", "b"});
  list.SetSelected(1, true);
  list.SetTopIndex(1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(list.Count(), 2);
  list.SetObserver(nullptr);
  list.Clear();
  EXPECT_EQ(changes, 3);
}

TEST(CandidateListModel, VisibleRowsStartAtTheTopAndStopAtTheWindow) {
  TCandidateListModel list;
  TStringList items;
  for (int i = 0; i < 10000; ++i) items.push_back(std::to_string(i));
  list.SetItems(items);
  list.SetTopIndex(9998);
  list.SetSelected(9999, true);
  list.SetItemIndex(9999);
  TCandidateListModel::TRows rows = list.VisibleRows(20);
  EXPECT_EQ(rows.Count, 10000);
  EXPECT_EQ(rows.TopIndex, 9998);
  EXPECT_EQ(rows.ItemIndex, 9999);
  EXPECT_EQ(rows.Texts, (TStringList{"9998", "9999"}));
  EXPECT_EQ(rows.Selected, (std::vector<bool>{false, true}));
  auto selected = list.SelectedItem();
  ASSERT_TRUE(selected.has_value());
  EXPECT_EQ(selected->Index, 9999);
  EXPECT_EQ(selected->Text, "9999");
}
