#include "gleaner/gleaner_app_ini.h"

#include <gtest/gtest.h>

#include "common/file_path.h"
#include "common/test_folder.h"

namespace {

constexpr const char* Sections =
    "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Base.dic\r\n"
    "[EXT1_DIC]\r\nDicName=固有名詞\r\nDicFile=dic\\Proper.dic\r\n"
    "[EXT2_DIC]\r\nDicName=Ext2\r\nDicFile=\r\n"
    "[ext3_dic]\r\ndicfile=dic\\Missing.dic\r\nDicName=Ext3\r\n";

class GleanerAppIniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Folder.PathOf("dic"));
    Folder.Write("dic/Base.dic", "ｱ,亜\r\n");
    Folder.Write("dic/Proper.dic", "");
  }
  TGleanerAppIni Read() const { return TGleanerAppIni(Folder.PathOf("Gleaner.exe")); }
  std::string Path(const std::string& name) const { return Folder.Path() + FromStoredPath(name); }
  TTestFolder Folder;
};

}  // namespace

TEST_F(GleanerAppIniTest, FindsTheFourDictionariesThroughThePointerFile) {
  Folder.Write("Gleaner.ini", "; Kirimo's settings\r\n dic_ini = settings\\Kirimo.ini \r\n");
  std::filesystem::create_directories(Folder.PathOf("settings"));
  // Dictionary paths are relative to the program's folder, not the settings'.
  Folder.Write("settings/Kirimo.ini", Sections);
  TGleanerAppIni ini = Read();
  EXPECT_EQ(ini.BaseProblem(), TBaseDicProblem::None);
  EXPECT_EQ(ini.BaseProblemMessage(), "");
  EXPECT_EQ(ini.SettingsFile(), Path("settings\\Kirimo.ini"));
  EXPECT_EQ(ini.Dic(0).DicName, "基本");
  EXPECT_EQ(ini.Dic(0).DicFile, Path("dic\\Base.dic"));
  EXPECT_EQ(ini.Dic(0).UsrFile, Path("dic\\Base.usr"));
  EXPECT_EQ(ini.Dic(1).DicName, "固有名詞");
  EXPECT_EQ(ini.Dic(1).UsrFile, Path("dic\\Proper.usr"));
  // No file, or a file that does not exist: absent, its name not read.
  for (int index : {2, 3}) {
    EXPECT_FALSE(ini.IsPresent(index));
    EXPECT_EQ(ini.Dic(index).DicName, "");
    EXPECT_EQ(ini.Dic(index).UsrFile, "");
  }
}

TEST_F(GleanerAppIniTest, DictionaryWithoutANameHasNoUserFile) {
  Folder.Write("Gleaner.ini", "DIC_INI=Kirimo.ini\r\n");
  // A missing name is no name, as an empty one is: Kirimo's defaults are not read.
  Folder.Write("dic/Third.dic", "");
  Folder.Write("Kirimo.ini",
               "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Base.dic\r\n"
               "[EXT1_DIC]\r\nDicFile=dic\\Proper.dic\r\nDicName=\r\n"
               "[EXT3_DIC]\r\nDicFile=dic\\Third.dic\r\n");
  TGleanerAppIni ini = Read();
  EXPECT_EQ(ini.Dic(0).UsrFile, Path("dic\\Base.usr"));
  for (int index : {1, 3}) {
    EXPECT_TRUE(ini.IsPresent(index));
    EXPECT_EQ(ini.Dic(index).DicName, "");
    EXPECT_EQ(ini.Dic(index).UsrFile, "");
  }

  for (const char* base : {"[BASE_DIC]\r\nDicFile=dic\\Base.dic\r\nDicName=\r\n",
                           "[BASE_DIC]\r\nDicFile=dic\\Base.dic\r\n"}) {
    Folder.Write("Kirimo.ini", base);
    EXPECT_EQ(Read().BaseProblem(), TBaseDicProblem::NoBaseDicName) << base;
    EXPECT_NE(Read().BaseProblemMessage().find("DicName"), std::string::npos);
  }
}

TEST_F(GleanerAppIniTest, EachMissingStepIsNamedWithWhereItLooked) {
  struct TCase {
    const char* Pointer;   // nullptr: no pointer file
    const char* Settings;  // nullptr: no settings file
    TBaseDicProblem Problem;
    std::string Names;  // what the message must name
  };
  const TCase cases[] = {
      {nullptr, nullptr, TBaseDicProblem::NoPointerFile, "Gleaner.ini"},
      {"OTHER=Kirimo.ini\r\n", Sections, TBaseDicProblem::NoDicIniLine, "DIC_INI"},
      {"DIC_INI=Nowhere.ini\r\n", nullptr, TBaseDicProblem::NoSettingsFile, "Nowhere.ini"},
      {"DIC_INI=Kirimo.ini\r\n", "[BASE_DIC]\r\nDicName=基本\r\n", TBaseDicProblem::NoBaseDicFile,
       "[BASE_DIC]"},
      {"DIC_INI=Kirimo.ini\r\n", "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Gone.dic\r\n",
       TBaseDicProblem::BaseDicMissing, "Gone.dic"},
  };
  for (const TCase& c : cases) {
    TTestFolder folder;
    if (c.Pointer) folder.Write("Gleaner.ini", c.Pointer);
    if (c.Settings) folder.Write("Kirimo.ini", c.Settings);
    TGleanerAppIni ini(folder.PathOf("Gleaner.exe"));
    EXPECT_EQ(ini.BaseProblem(), c.Problem) << c.Names;
    EXPECT_FALSE(ini.IsPresent(0));
    const std::string message = ini.BaseProblemMessage();
    EXPECT_NE(message.find(c.Names), std::string::npos) << c.Names;
  }
}
