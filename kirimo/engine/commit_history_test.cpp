#include "kirimo/engine/commit_history.h"

#include <gtest/gtest.h>

#include "common/test_folder.h"

namespace {

class CommitHistory : public testing::Test {
 protected:
  void Load(const std::string& content, int count,
            const std::optional<std::string>& blankEntry = std::nullopt) {
    Folder.Write("history.txt", content);
    History.Load(Path(), count, blankEntry);
  }
  std::string Path() const { return Folder.PathOf("history.txt"); }

  TTestFolder Folder;
  TCommitHistory History;
};

TEST_F(CommitHistory, LoadKeepsTheFirstCountEntriesOfShortEnoughLines) {
  const std::string huge(TCommitHistory::LongestEntry + 1, 'z');
  Load("a\r\n" + huge + "\r\nb\nc\rd\r\n", 3);
  EXPECT_EQ(History.Entries(), (TStringList{"a", "b", "c"}));
  Load("a\r\nb\r\n", -1);  // no bound
  EXPECT_EQ(History.Entries(), (TStringList{"a", "b"}));
}

TEST_F(CommitHistory, ABlankOrMissingHistoryStartsWithTheBlankEntryWhenGiven) {
  Load(" \r\n\r\n", 5, "基本");
  EXPECT_EQ(History.Entries(), (TStringList{"基本", " ", ""}));
  Load("a\r\n", 5, "基本");
  EXPECT_EQ(History.Entries(), TStringList{"a"});
  History.Load(Folder.PathOf("missing.txt"), 5, std::nullopt);
  EXPECT_TRUE(History.Entries().empty());
  History.Load(Folder.Path(), 5, "基本");  // a folder: unreadable
  EXPECT_EQ(History.Entries(), TStringList{"基本"});
}

TEST_F(CommitHistory, RecordPutsTheTextFirstWithinTheCountAndMarksOnlyChanges) {
  Load("a\r\nb\r\nc\r\n", 3);
  History.Record("d");
  EXPECT_EQ(History.Entries(), (TStringList{"d", "a", "b"}));
  History.Record("b");
  EXPECT_EQ(History.Entries(), (TStringList{"b", "d", "a"}));
  History.Record(std::string(TCommitHistory::LongestEntry + 1, 'z'));
  EXPECT_EQ(History.Entries(), (TStringList{"b", "d", "a"}));
  History.SaveChanges();
  EXPECT_EQ(Folder.Read("history.txt"), "b\r\nd\r\na\r\n");
  // Nothing changed since: nothing is written.
  Folder.Write("history.txt", "other");
  History.Record("b");
  History.SaveChanges();
  EXPECT_EQ(Folder.Read("history.txt"), "other");
}

TEST_F(CommitHistory, AFailedSaveKeepsTheMarkAndLeavesNoFileBehind) {
  History.Load(Folder.PathOf("gone/history.txt"), 3, "基本");
  History.Record("new");
  History.SaveChanges();
  EXPECT_EQ(Folder.EntryCount(), 0);
  std::filesystem::create_directory(Folder.PathOf("gone"));
  History.SaveChanges();
  EXPECT_EQ(Folder.Read("gone/history.txt"), "new\r\n基本\r\n");
  EXPECT_EQ(Folder.EntryCount(), 1);
}

TEST_F(CommitHistory, WithoutAFileTheHistoryIsKeptInMemoryOnly) {
  History.Load("", 3, "基本");
  History.Record("new");
  EXPECT_FALSE(History.Save());
  EXPECT_EQ(History.Entries(), (TStringList{"new", "基本"}));
}

}  // namespace
