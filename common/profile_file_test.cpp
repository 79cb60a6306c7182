#include "common/profile_file.h"

#include <gtest/gtest.h>

#include "common/file_path.h"
#include "common/test_folder.h"

namespace {

class ProfileFile : public ::testing::Test {
 protected:
  TProfileFile Load(const std::string& bytes) {
    Folder.Write("a.ini", bytes);
    return TProfileFile(Folder.PathOf("a.ini"));
  }
  TTestFolder Folder;
};

std::vector<std::string> Keys(const std::vector<TProfileEntry>& entries) {
  std::vector<std::string> keys;
  for (const TProfileEntry& entry : entries) keys.push_back(entry.Key + "=" + entry.Value);
  return keys;
}

}  // namespace

TEST_F(ProfileFile, MatchesIgnoringCaseAndFirstMatchWins) {
  TProfileFile file = Load(
      "[System]\r\nTop=1\r\ntop=2\r\n"
      "[SYSTEM]\r\nLeft=3\r\n"
      "[other]\r\nTop=4\r\n");
  EXPECT_EQ(file.ReadValue("SYSTEM", "TOP"), "1");
  EXPECT_EQ(file.ReadValue("system", "top"), "1");
  // The second [SYSTEM] is never reached.
  EXPECT_EQ(file.ReadValue("SYSTEM", "Left"), std::nullopt);
  EXPECT_EQ(file.ReadValue("OTHER", "Top"), "4");
  EXPECT_EQ(file.ReadValue("missing", "Top"), std::nullopt);
}

TEST_F(ProfileFile, TrimsValuesAndDropsMatchingQuotes) {
  TProfileFile file = Load(
      "  [ S ]  \n"
      "  a  =  spaced value \t\n"
      "b=\"  quoted  \"\n"
      "c='single'\n"
      "d=\"unmatched'\n"
      "e=\"\n"
      "f=\n"
      "g=x=y\n");
  EXPECT_EQ(file.ReadValue("S", "a"), "spaced value");
  EXPECT_EQ(file.ReadValue("S", "b"), "  quoted  ");
  EXPECT_EQ(file.ReadValue("S", "c"), "single");
  EXPECT_EQ(file.ReadValue("S", "d"), "\"unmatched'");
  EXPECT_EQ(file.ReadValue("S", "e"), "\"");
  EXPECT_EQ(file.ReadValue("S", "f"), "");
  EXPECT_EQ(file.ReadValue("S", "g"), "x=y");
}

TEST_F(ProfileFile, CommentsStrayLinesAndKeysBeforeAnySectionAreNoKeys) {
  TProfileFile file = Load(
      "Top=0\n"
      "[S]\n"
      ";Top=1\n"
      "no equals sign\n"
      "=nameless\n"
      "Top=2\n");
  EXPECT_EQ(file.ReadValue("S", "Top"), "2");
  EXPECT_EQ(file.ReadValue("S", ";Top"), std::nullopt);
  EXPECT_EQ(Keys(file.ReadSection("S")), (std::vector<std::string>{"Top=2"}));
}

TEST_F(ProfileFile, DoubleByteNamesAreNotCaseFolded) {
  // 0x83 0x41 and 0x83 0x61 differ only in a trail byte that looks like a letter.
  TProfileFile file = Load("[記号]\n\x83\x41=upper\n\x83\x61=lower\nソ=so\n");
  EXPECT_EQ(file.ReadValue("記号", "\x83\x41"), "upper");
  EXPECT_EQ(file.ReadValue("記号", "\x83\x61"), "lower");
  EXPECT_EQ(file.ReadValue("記号", "ソ"), "so");
}

TEST_F(ProfileFile, ReadsWholeSectionInFileOrder) {
  TProfileFile file = Load(
      "[SUB_BUTTON_VK]\r\nVK_RETURN=改行\r\nOther=x\r\n\r\nVK_BACK=\"後退\"\r\nvk_return=again\r\n"
      "[NEXT]\r\nVK_TAB=tab\r\n");
  EXPECT_EQ(
      Keys(file.ReadSection("sub_button_vk")),
      (std::vector<std::string>{"VK_RETURN=改行", "Other=x", "VK_BACK=後退", "vk_return=again"}));
  EXPECT_TRUE(file.ReadSection("NONE").empty());
}

TEST_F(ProfileFile, ReadsIntegersAndBooleans) {
  TProfileFile file = Load("[S]\nneg=-16777208\nhex=$1F\nbad=12px\nempty=\nzero=0\ntwo=2\n");
  EXPECT_EQ(file.ReadInteger("S", "neg", 7), -16777208);
  EXPECT_EQ(file.ReadInteger("S", "hex", 7), 31);
  EXPECT_EQ(file.ReadInteger("S", "bad", 7), 7);
  EXPECT_EQ(file.ReadInteger("S", "empty", 7), 7);
  EXPECT_EQ(file.ReadInteger("S", "missing", 7), 7);
  EXPECT_FALSE(file.ReadBool("S", "zero", true));
  EXPECT_TRUE(file.ReadBool("S", "two", false));
  EXPECT_TRUE(file.ReadBool("S", "bad", true));
  EXPECT_FALSE(file.ReadBool("S", "missing", false));
}

TEST_F(ProfileFile, WritingKeepsEveryOtherLineAndWritesCrLf) {
  TProfileFile file = Load(
      "; settings\n"
      "[SYSTEM]\n"
      "  Top = 5 \n"
      "Left=1\n"
      "\n"
      "[BASE_DIC]\n"
      "DicName=基本\n");
  file.WriteInteger("system", "TOP", 42);
  file.WriteString("SYSTEM", "Width", "200");
  file.WriteString("NEW", "Key", "値");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(Folder.Read("a.ini"),
            "; settings\r\n"
            "[SYSTEM]\r\n"
            "Top=42\r\n"
            "Left=1\r\n"
            "Width=200\r\n"
            "\r\n"
            "[BASE_DIC]\r\n"
            "DicName=基本\r\n"
            "\r\n"
            "[NEW]\r\n"
            "Key=値\r\n");
}

TEST_F(ProfileFile, WrittenValuesReadBackAndStayOnOneLine) {
  TProfileFile file(Folder.PathOf("new.ini"));
  EXPECT_FALSE(file.Existed());
  file.WriteString("S", "path", "dic\\ソ表.txt");
  file.WriteString("S", "evil", "a\r\n[S]\r\npath=b");
  file.WriteBool("S", "flag", true);
  ASSERT_TRUE(file.Save());

  TProfileFile again(Folder.PathOf("new.ini"));
  EXPECT_TRUE(again.Existed());
  EXPECT_EQ(again.ReadValue("S", "path"), "dic\\ソ表.txt");
  EXPECT_EQ(again.ReadValue("S", "evil"), "a[S]path=b");
  EXPECT_EQ(again.ReadValue("S", "flag"), "1");
}

TEST_F(ProfileFile, SaveReplacesTheFileWholeAndLeavesNothingBeside) {
  Folder.Write("a.ini", "[S]\nk=old\n");
  TProfileFile file(Folder.PathOf("a.ini"));
  file.WriteString("S", "k", "new");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(Folder.Read("a.ini"), "[S]\r\nk=new\r\n");
  EXPECT_EQ(Folder.EntryCount(), 1);
}

TEST_F(ProfileFile, FailedSaveReportsAndTouchesNothing) {
  // A folder where the file should be: the rename over it fails.
  std::filesystem::create_directory(Folder.PathOf("a.ini"));
  TProfileFile blocked(Folder.PathOf("a.ini"));
  blocked.WriteString("S", "k", "v");
  EXPECT_FALSE(blocked.Save());
  EXPECT_TRUE(std::filesystem::is_directory(Folder.PathOf("a.ini")));
  EXPECT_EQ(Folder.EntryCount(), 1);

  TProfileFile nowhere(Folder.PathOf("missing/b.ini"));
  nowhere.WriteString("S", "k", "v");
  EXPECT_FALSE(nowhere.Save());
}

TEST_F(ProfileFile, DoubleBytePathsNameTheFileInTheSystemsOwnForm) {
  {
    std::ofstream probe(NativePath(Folder.Path()) / u"probe設定", std::ios::binary);
    if (!probe) GTEST_SKIP() << "this file system cannot hold double-byte names";
  }
  std::filesystem::remove(NativePath(Folder.Path()) / u"probe設定");
  std::string path = Folder.Path() + "設定ソ.ini";
  TProfileFile file(path);
  file.WriteString("S", "k", "v");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(TProfileFile(path).ReadValue("S", "k"), "v");
  EXPECT_EQ(std::filesystem::directory_iterator(NativePath(Folder.Path()))->path().filename(),
            std::filesystem::path(u"設定ソ.ini"));
}

TEST_F(ProfileFile, EveryLineEndEndsALineAndSavingWritesCrLf) {
  TProfileFile file = Load("[SYSTEM]\rTop=5\rLeft=6\r\n[BASE_DIC]\nDicName=x\r");
  EXPECT_EQ(file.ReadInteger("SYSTEM", "Top", 0), 5);
  EXPECT_EQ(file.ReadInteger("SYSTEM", "Left", 0), 6);
  EXPECT_EQ(file.ReadValue("BASE_DIC", "DicName"), "x");
  file.WriteInteger("SYSTEM", "Top", 7);
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(Folder.Read("a.ini"), "[SYSTEM]\r\nTop=7\r\nLeft=6\r\n[BASE_DIC]\r\nDicName=x\r\n");
}
