#include "kirimo/modes/dictionary_vk.h"

#include <gtest/gtest.h>

#include "common/test_folder.h"
#include "common/virtual_key.h"

namespace {

// A file written into the folder; its path.
std::string Put(const TTestFolder& folder, const std::string& name, const std::string& bytes) {
  folder.Write(name, bytes);
  return folder.PathOf(name);
}

class DictionaryVK : public ::testing::Test {
 protected:
  TDictionaryVK Make(const std::string& contents) {
    return TDictionaryVK("VK", Put(Folder, "vk.txt", contents));
  }
  TTestFolder Folder;
};

}  // namespace

TEST_F(DictionaryVK, ReadsNameLabelLinesInOrder) {
  TDictionaryVK keys = Make(
      " VK_RETURN = 改行 \r\nVK_BACK=\r\nno entry here\r\nVK_SHIFT=Shift\r\n\r\n"
      "vk_tab=Tab\r\nVK_F1=a=b\r\nVK_ESCAPE=\t\r\n=nameless\r\nVK_SHIFT=Second");
  EXPECT_EQ(keys.GetLabels(), (TStringList{"改行", "Shift", "Tab", "a=b", "nameless", "Second"}));
  EXPECT_EQ(keys.GetName(), "VK");
}

TEST_F(DictionaryVK, LabelsAndCodes) {
  TDictionaryVK keys = Make(
      "VK_RETURN=Enter\r\nVK_SHIFT=Shift\r\nVK_BACK=Enter\r\nvk_tab=Tab\r\n"
      "VK_HANGUL=Kana\r\nVK_KANJI=Kanji\r\nA=Letter\r\nVK_SHIFT=Again\r\n");
  EXPECT_EQ(keys.LabelToCode("Enter"), 13);  // the first of equal labels
  EXPECT_EQ(keys.LabelToCode("eNTER"), 13);
  EXPECT_EQ(keys.LabelToCode("Tab"), 0);  // listed, but its name is no key name
  EXPECT_EQ(keys.LabelToCode("Nothing"), 0);
  EXPECT_EQ(keys.LabelToCode("Letter"), 65);
  EXPECT_EQ(keys.CodeToLabel(16), "Shift");
  EXPECT_EQ(keys.CodeToLabel(13), "Enter");
  EXPECT_EQ(keys.CodeToLabel(17), "");  // no VK_CONTROL entry
  EXPECT_EQ(keys.CodeToLabel(22), "");  // a code without a name
  EXPECT_EQ(keys.CodeToLabel(21), "");  // 21 is VK_KANA, which the file does not name
  EXPECT_EQ(keys.CodeToLabel(25), "");
  EXPECT_EQ(keys.CodeToLabel(9), "Tab");  // names compare ignoring case here
}

TEST_F(DictionaryVK, DoubleByteLabelsKeepTheirTrailBytes) {
  // ア is 0x83 0x41 and ヂ 0x83 0x61: folding the trail byte would make them equal.
  TDictionaryVK keys = Make("VK_UP=ア\r\nVK_DOWN=ヂ\r\n");
  EXPECT_EQ(keys.LabelToCode("ヂ"), 40);
}

TEST_F(DictionaryVK, MissingFileIsCreatedEmpty) {
  TDictionaryVK keys("VK", Folder.PathOf("none.txt"));
  EXPECT_TRUE(keys.GetLabels().empty());
  EXPECT_EQ(Folder.Read("none.txt"), "");
}
