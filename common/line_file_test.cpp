#include "common/line_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/test_folder.h"

TEST(LineFile, CrLfLfAndCrEachEndALine) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (TStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\rb\r\n"), (TStringList{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (TStringList{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), TStringList{});
}

TEST(LineFile, ReplacingWritesCrLfAndLeavesNoOtherFile) {
  TTestFolder folder;
  folder.Write("history.txt", "old\r");
  ASSERT_TRUE(WriteLinesReplacing(folder.PathOf("history.txt"), {"x", "y"}));
  EXPECT_EQ(folder.Read("history.txt"), "x\r\ny\r\n");
  EXPECT_EQ(folder.EntryCount(), 1);
}
