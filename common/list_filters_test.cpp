#include "common/list_filters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

TEST(FilterByCharGroup, LettersDigitsAndTheRest) {
  const TStringList list = {"a1", "b2", "#3", "1x"};
  EXPECT_EQ(FilterByCharGroup(list, '0', 2), (TStringList{"a1", "b2", "#3"}));
  EXPECT_EQ(FilterByCharGroup(list, '!', 1), (TStringList{"#3"}));
  EXPECT_EQ(FilterByCharGroup(list, 'B', 1), (TStringList{"b2"}));
  EXPECT_EQ(FilterByCharGroup(list, 'X', 2), (TStringList{"1x"}));
  EXPECT_EQ(FilterByCharGroup({"VK_UP", "VK_F1", "A"}, '_', 3), (TStringList{"VK_UP", "VK_F1"}));
}

TEST(FilterByChar, DigitsMatchOnlyThemselves) {
  const TStringList list = {"a1", "b2", "#3", "1x"};
  EXPECT_EQ(FilterByChar(list, '2', 2), (TStringList{"b2"}));
  EXPECT_EQ(FilterByChar(list, 'A', 1), (TStringList{"a1"}));
  EXPECT_EQ(FilterByChar(list, '!', 1), (TStringList{"#3"}));
}

TEST(ListFilters, ShortEntriesAndPositionZeroAreSkipped) {
  const TStringList list = {"", "a", "ab"};
  EXPECT_EQ(FilterByCharGroup(list, 'B', 2), (TStringList{"ab"}));
  EXPECT_EQ(FilterByChar(list, 'A', 9), TStringList{});
  EXPECT_EQ(FilterByChar(list, 'A', 0), TStringList{});
  // A double-byte character's bytes are neither letters nor digits (か is 0x82 0xA9).
  EXPECT_EQ(FilterByCharGroup({"か"}, '@', 2), (TStringList{"か"}));
}

TEST(CompareByLengthThenText, ShortestFirstThenCollation) {
  TStringList list = {"VK_F10", "B", "VK_F2", "a", "VK_UP", "VK_END"};
  std::vector<std::size_t> order(list.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](std::size_t i, std::size_t j) { return CompareByLengthThenText(list, i, j) < 0; });
  TStringList sorted;
  for (std::size_t i : order) sorted.push_back(list[i]);
  EXPECT_EQ(sorted, (TStringList{"a", "B", "VK_F2", "VK_UP", "VK_END", "VK_F10"}));
  EXPECT_EQ(CompareByLengthThenText(list, 1, 1), 0);
  EXPECT_EQ(CompareByLengthThenText(list, 1, 99), 1);  // a missing entry is empty
}

TEST(SortByLengthThenText, SortsAsTheComparisonAndKeepsEqualEntriesInOrder) {
  TStringList list = {"VK_F10", "B", "ｶﾞ", "VK_F2", "a", "ガ", "VK_UP", "B", "VK_END", "か"};
  TStringList expected = list;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const std::string& a, const std::string& b) {
                     TStringList pair = {a, b};
                     return CompareByLengthThenText(pair, 0, 1) < 0;
                   });
  SortByLengthThenText(list);
  EXPECT_EQ(list, expected);
  EXPECT_EQ(list.front(), "a");
}
