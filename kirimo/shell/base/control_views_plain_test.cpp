#include "kirimo/shell/base/control_views_plain.h"

#include <gtest/gtest.h>

namespace {

TEST(PlainCandidateList, ReplacingItemsStartsSelectionAndScrollingOver) {
  TPlainCandidateList list;
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

TEST(PlainCandidateList, InsertAndMoveCarrySelectionAndFocus) {
  TPlainCandidateList list;
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

TEST(PlainCandidateList, OutOfRangeIndexesChangeNothing) {
  TPlainCandidateList list;
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

}  // namespace
