#include "common/file_path.h"

#include <gtest/gtest.h>

#include "common/ascii_case.h"
#include "common/platform.h"

namespace {

// A folder as the program holds it, in this platform's form.
const std::string Root = OnWindows ? "C:\\" : "/";
const std::string Sep(1, PathSeparator());
const std::string Program = Root + "Kirimo" + Sep;

}  // namespace

TEST(FilePath, StoredPathsUseBackslashesAndKeepDoubleByteText) {
  // ソ and 表 end in 0x5C, which is no separator.
  EXPECT_EQ(FromStoredPath("dic\\ソ表\\a.txt"), "dic" + Sep + "ソ表" + Sep + "a.txt");
  EXPECT_EQ(ToStoredPath("dic" + Sep + "ソ表" + Sep + "a.txt"), "dic\\ソ表\\a.txt");
}

TEST(FilePath, FolderAndExtension) {
  EXPECT_EQ(FolderOf(Program + "Kirimo.exe"), Program);
  EXPECT_EQ(FolderOf("Kirimo.exe"), "");
  EXPECT_EQ(ReplaceExtension(Program + "Kirimo.exe", ".ini"), Program + "Kirimo.ini");
  EXPECT_EQ(ReplaceExtension(Program + "Kirimo", ".ini"), Program + "Kirimo.ini");
  EXPECT_EQ(ReplaceExtension(Root + "a.b" + Sep + "Kirimo", ".ini"),
            Root + "a.b" + Sep + "Kirimo.ini");
}

TEST(FilePath, ExpandsAgainstTheFolder) {
  EXPECT_EQ(ExpandPath(Program, "dic" + Sep + "a.txt"), Program + "dic" + Sep + "a.txt");
  EXPECT_EQ(ExpandPath(Program, "." + Sep + "dic" + Sep + ".." + Sep + "b.txt"), Program + "b.txt");
  EXPECT_EQ(ExpandPath(Program, ".." + Sep + ".." + Sep + ".." + Sep + "c.txt"), Root + "c.txt");
  EXPECT_EQ(ExpandPath(Program, Root + "other" + Sep + "d.txt"), Root + "other" + Sep + "d.txt");
  EXPECT_EQ(ExpandPath(Program, "ソ" + Sep + "e.txt"), Program + "ソ" + Sep + "e.txt");
  EXPECT_EQ(ExpandPath(Program, ""), "");
}

TEST(FilePath, RelativeOnlyToALeadingFolderIgnoringCase) {
  std::string upper = ToUpperAscii(Program);
  EXPECT_EQ(RelativeToFolder(Program, upper + "dic" + Sep + "cm.txt"), "dic" + Sep + "cm.txt");
  EXPECT_EQ(RelativeToFolder(Program, Root + "x" + Program + "cm.txt"),
            Root + "x" + Program + "cm.txt");
  EXPECT_EQ(RelativeToFolder(Program, "cm.txt"), "cm.txt");
}

TEST(AsciiCase, FoldsOnlySingleByteLetters) {
  EXPECT_TRUE(EqualsIgnoringCase("VK_Return", "vk_RETURN"));
  EXPECT_FALSE(EqualsIgnoringCase("\x83\x41", "\x83\x61"));
  EXPECT_FALSE(EqualsIgnoringCase("ab", "abc"));
  EXPECT_TRUE(StartsWithIgnoringCase("vk_back", "VK_"));
  EXPECT_FALSE(StartsWithIgnoringCase("\x83VK_", "VK_"));
  EXPECT_EQ(ToUpperAscii("fs\x83\x61x"), "FS\x83\x61X");
}
