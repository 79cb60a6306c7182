#include "kirimo/cartridge_base/app_ini.h"

#include <gtest/gtest.h>

#include <utility>

#include "common/file_path.h"
#include "common/test_folder.h"

namespace {

class AppIni : public ::testing::Test {
 protected:
  std::string Program() const { return Folder.PathOf("Kirimo.exe"); }
  std::string Local(const std::string& stored) const {
    return Folder.Path() + FromStoredPath(stored);
  }
  TTestFolder Folder;
};

}  // namespace

TEST_F(AppIni, MissingFileGivesEveryDefault) {
  TAppIni ini(Program(), 430);
  EXPECT_FALSE(ini.FileExisted);
  EXPECT_EQ(ini.IniPath, Folder.PathOf("Kirimo.ini"));
  EXPECT_EQ(ini.DicFolder, Folder.Path() + "dic");
  EXPECT_EQ(ini.Width, 200);
  EXPECT_EQ(ini.Height, 640);
  EXPECT_EQ(ini.KeyHeight, 150);
  EXPECT_EQ(ini.SendMode, 1);
  EXPECT_EQ(ini.ScrollTime, 100);
  EXPECT_EQ(ini.ListFont, TListFont{});
  EXPECT_EQ(ini.ListFont.Color, -16777208);
  EXPECT_EQ(ini.AcumulateTime, 430);
  EXPECT_EQ(ini.CMFile, "");
  EXPECT_EQ(ini.BaseDic.DicName, "基本");
  EXPECT_EQ(ini.BaseDic.DicFile, "");
  EXPECT_EQ(ini.BaseDic.HistoryFile, Local("dic\\BaseHistory.txt"));
  EXPECT_EQ(ini.ExtDics[1].DicName, "Ext2");
  EXPECT_EQ(ini.ExtDics[2].HistoryFile, Local("dic\\EXT3History.txt"));
  EXPECT_EQ(ini.ExtDics[0].HistoryCount, 100);
  EXPECT_EQ(ini.NmDicName, "NM");
  EXPECT_EQ(ini.VkDicName, "VK");
  EXPECT_EQ(ini.VkDicFile, "");
  EXPECT_EQ(ini.SubButtonCaptions(), " , , , , ");
  EXPECT_EQ(ini.DwellTime, 0);  // off
  EXPECT_EQ(ini.DwellTolerance, DefaultDwellTolerance);
  EXPECT_FALSE(ini.SettingsModified);
}

TEST_F(AppIni, ReadsValuesAndExpandsPaths) {
  Folder.Write("Kirimo.ini",
               "[SYSTEM]\r\nTop=-20\r\nLeft=30\r\nListFontName=\"Meiryo UI\"\r\n"
               "ListFontStyle=fsItalic,FSBOLD\r\nListFontColor=255\r\nCMVisible=1\r\n"
               "CMFile=dic\\cm.txt\r\nUse50Key=7\r\n"
               "[BASE_DIC]\r\nDicFile=dic\\base.dic\r\nHistoryCount=50\r\nSymbolName=SYM\r\n"
               "[EXT2_DIC]\r\nDicName=人名\r\nDicFile=..\\shared\\names.dic\r\nStartUpKey=3\r\n"
               "[NM_DIC]\r\nDicName=\r\n"
               "[VK_DIC]\r\nDicFile=dic\\vk.txt\r\n");
  TAppIni ini(Program());
  EXPECT_TRUE(ini.FileExisted);
  EXPECT_EQ(ini.Top, -20);
  EXPECT_EQ(ini.Left, 30);
  EXPECT_EQ(ini.ListFont.Name, "Meiryo UI");
  EXPECT_EQ(ini.ListFont.Styles, (TFontStyles{.Bold = true, .Italic = true}));
  EXPECT_EQ(ini.ListFont.Color, 255);
  EXPECT_TRUE(ini.CMVisible);
  EXPECT_TRUE(ini.Use50Key);
  EXPECT_EQ(ini.CMFile, Local("dic\\cm.txt"));
  EXPECT_EQ(ini.BaseDic.DicFile, Local("dic\\base.dic"));
  EXPECT_EQ(ini.BaseDic.HistoryCount, 50);
  EXPECT_EQ(ini.BaseDic.SymbolName, "SYM");
  EXPECT_EQ(ini.ExtDics[1].DicName, "人名");
  EXPECT_EQ(ini.ExtDics[1].DicFile,
            ExpandPath(FolderOf(Folder.PathOf("x")), FromStoredPath("..\\shared\\names.dic")));
  EXPECT_EQ(ini.ExtDics[1].StartUpKey, 3);
  EXPECT_EQ(ini.NmDicName, "");
  EXPECT_EQ(ini.VkDicFile, Local("dic\\vk.txt"));
}

TEST_F(AppIni, EachBadValueFallsBackAndReadingGoesOn) {
  Folder.Write("Kirimo.ini",
               "[SYSTEM]\r\nWidth=wide\r\nListFontCharset=300\r\nAcumulateTime=700\r\n"
               "Use50Key=yes\r\n[EXT1_DIC]\r\nHistoryCount=\r\nDicName=E\r\n");
  TAppIni ini(Program(), 500);
  EXPECT_EQ(ini.Width, 200);
  EXPECT_EQ(ini.ListFont.Charset, 128);
  EXPECT_EQ(ini.AcumulateTime, 700);
  EXPECT_FALSE(ini.Use50Key);
  EXPECT_EQ(ini.ExtDics[0].HistoryCount, 100);
  EXPECT_EQ(ini.ExtDics[0].DicName, "E");
}

TEST_F(AppIni, DwellTimesOutsideTheRangeSwitchDwellOff) {
  auto dwell = [&](const std::string& values) {
    Folder.Write("Kirimo.ini", "[SYSTEM]\r\n" + values);
    TAppIni ini(Program());
    return std::pair{ini.DwellTime, ini.DwellTolerance};
  };
  EXPECT_EQ(dwell("DwellTime=800\r\nDwellTolerance=3\r\n"), std::pair(800, 3));
  EXPECT_EQ(dwell("DwellTime=300\r\n").first, 300);
  EXPECT_EQ(dwell("DwellTime=5000\r\n").first, 5000);
  EXPECT_EQ(dwell("DwellTime=299\r\n").first, 0);
  EXPECT_EQ(dwell("DwellTime=5001\r\n").first, 0);
  EXPECT_EQ(dwell("DwellTime=-800\r\n").first, 0);
  EXPECT_EQ(dwell("DwellTime=99999999999999\r\n").first, 0);
  EXPECT_EQ(dwell("DwellTime=soon\r\n").first, 0);
  EXPECT_EQ(dwell("DwellTolerance=-1\r\n").second, DefaultDwellTolerance);
  EXPECT_EQ(dwell("DwellTolerance=41\r\n").second, DefaultDwellTolerance);
  EXPECT_EQ(dwell("DwellTolerance=0\r\n").second, 0);
}

TEST_F(AppIni, SwitchingDwellOffAndOnKeepsItsTime) {
  Folder.Write("Kirimo.ini", "[SYSTEM]\r\nDwellTime=1500\r\n");
  TAppIni ini(Program());
  ini.SwitchDwell(true);  // on already
  EXPECT_FALSE(ini.SettingsModified);
  ini.SwitchDwell(false);
  EXPECT_EQ(ini.DwellTime, 0);
  EXPECT_TRUE(ini.SettingsModified);
  ini.SaveIfModified();
  EXPECT_EQ(TAppIni(Program()).DwellTime, 0);
  ini.SwitchDwell(true);
  EXPECT_EQ(ini.DwellTime, 1500);
  // Off in the file: on gives the default time.
  TAppIni off(Program());
  off.SwitchDwell(true);
  EXPECT_EQ(off.DwellTime, DefaultDwellTime);
}

TEST_F(AppIni, SubButtonsTakeTheFirstFiveVkEntries) {
  Folder.Write("Kirimo.ini",
               "[SUB_BUTTON_VK]\r\nVK_RETURN=改行\r\nTAB=no\r\nvk_back=BS\r\nVK_TAB=Tab\r\n"
               "VK_ESCAPE=Esc\r\nVK_DELETE=Del\r\nVK_HOME=Home\r\nVK_END=End\r\n");
  TAppIni ini(Program());
  EXPECT_EQ(ini.SubButtonCaptions(), "改行,BS,Tab,Esc,Del");
  EXPECT_EQ(ini.KeyCommandName("bs"), "vk_back");
  EXPECT_EQ(ini.KeyCommandName("改行"), "VK_RETURN");
  EXPECT_EQ(ini.KeyCommandName("Home"), "");
  EXPECT_EQ(ini.KeyCommandName("no"), "");
  EXPECT_EQ(ini.KeyCommandName(""), "");
}

TEST_F(AppIni, FewSubButtonsArePaddedWithBlanks) {
  Folder.Write("Kirimo.ini", "[SUB_BUTTON_VK]\r\nVK_RETURN=改行\r\nVK_BACK=BS\r\n");
  TAppIni ini(Program());
  EXPECT_EQ(ini.SubButtonCaptions(), "改行,BS, , , ");
  EXPECT_EQ(ini.KeyCommandName(" "), "");
}

TEST(FontStyleText, ParsedInAnyCaseAndWrittenInFixedOrder) {
  TFontStyles styles = ParseFontStyles("FSITALIC, fsbold");
  EXPECT_EQ(styles, (TFontStyles{.Bold = true, .Italic = true}));
  EXPECT_EQ(FontStyleText(styles), "fsBold,fsItalic,");
  EXPECT_EQ(FontStyleText(ParseFontStyles("fsStrikeOut,fsUnderline,fsNothing")),
            "fsUnderline,fsStrikeOut,");
  EXPECT_EQ(FontStyleText({}), "");
}

TEST_F(AppIni, SaveAllWritesItsKeysInOrderAndNothingElse) {
  TAppIni ini(Program(), 500);
  ini.CMFile = Folder.Path() + "dic" + PathSeparator() + "cm.txt";
  ini.ListFont.Styles.Italic = true;
  ini.ListFont.Styles.Bold = true;
  ini.ExtDics[0].DicFile = Folder.Path() + "ext.dic";
  ASSERT_TRUE(ini.SaveAll());
  EXPECT_EQ(Folder.Read("Kirimo.ini"),
            "[SYSTEM]\r\nTop=0\r\nLeft=0\r\nWidth=200\r\nHeight=640\r\nKeyHeight=150\r\n"
            "SendMode=1\r\nScrollTime=100\r\nListFontName=ＭＳ ゴシック\r\nListFontSize=12\r\n"
            "ListFontStyle=fsBold,fsItalic,\r\nListFontColor=-16777208\r\nListFontCharset=128\r\n"
            "AcumulateTime=500\r\nCMVisible=0\r\nCMFile=dic\\cm.txt\r\nUse50Key=0\r\n"
            "DwellTime=0\r\nDwellTolerance=6\r\n"
            "\r\n[EXT1_DIC]\r\nDicName=Ext1\r\nDicFile=ext.dic\r\nStartUpKey=0\r\n"
            "\r\n[EXT2_DIC]\r\nDicName=Ext2\r\nDicFile=\r\nStartUpKey=0\r\n"
            "\r\n[EXT3_DIC]\r\nDicName=Ext3\r\nDicFile=\r\nStartUpKey=0\r\n");
}

TEST_F(AppIni, SaveAllKeepsTheRestOfTheFileAndRoundTrips) {
  std::string rest =
      "; keypad settings\r\n[BASE_DIC]\r\nDicFile=dic\\base.dic\r\nHistoryCount=5\r\n"
      "[NM_DIC]\r\nNM_LIST1=a,b\r\nNM_LIST2=c\r\n";
  Folder.Write("Kirimo.ini", rest + "[SYSTEM]\r\nTop=1\r\n");
  TAppIni ini(Program());
  ini.SetTop(99);
  ini.ScrollTime = 250;
  ini.DwellTime = 900;
  ini.DwellTolerance = 2;
  ini.ExtDics[2].DicName = "専門";
  // Written in the meantime by someone else: kept.
  Folder.Write("Kirimo.ini", rest + "[SYSTEM]\r\nTop=1\r\nExtra=kept\r\n");
  ASSERT_TRUE(ini.SaveAll());
  EXPECT_TRUE(Folder.Read("Kirimo.ini").starts_with(rest + "[SYSTEM]\r\nTop=99\r\nExtra=kept\r\n"));

  TAppIni again(Program());
  EXPECT_EQ(again.Top, 99);
  EXPECT_EQ(again.ScrollTime, 250);
  EXPECT_EQ(again.DwellTime, 900);
  EXPECT_EQ(again.DwellTolerance, 2);
  EXPECT_EQ(again.ExtDics[2].DicName, "専門");
  EXPECT_EQ(again.BaseDic.HistoryCount, 5);
}

TEST_F(AppIni, OnlyRealChangesMarkModifiedAndTheSaveTickWritesThem) {
  Folder.Write("Kirimo.ini", "[SYSTEM]\r\nTop=10\r\nLeft=20\r\n");
  TAppIni ini(Program());
  ini.SetTop(10);
  ini.SetUse50Key(false);
  EXPECT_FALSE(ini.SettingsModified);
  ini.SaveIfModified();
  EXPECT_EQ(Folder.Read("Kirimo.ini"), "[SYSTEM]\r\nTop=10\r\nLeft=20\r\n");

  ini.SetLeft(25);
  EXPECT_TRUE(ini.SettingsModified);
  ini.SaveIfModified();
  EXPECT_FALSE(ini.SettingsModified);
  EXPECT_EQ(TAppIni(Program()).Left, 25);

  // A tick without change writes nothing: the file stays as someone left it.
  Folder.Write("Kirimo.ini", "changed");
  ini.SaveIfModified();
  EXPECT_EQ(Folder.Read("Kirimo.ini"), "changed");
}

TEST_F(AppIni, SaveOnExitOnlyWhenTheFileExistedAtStart) {
  TAppIni(Program()).SaveOnExit();
  EXPECT_FALSE(Folder.Exists("Kirimo.ini"));

  Folder.Write("Kirimo.ini", "[SYSTEM]\r\n");
  TAppIni ini(Program());
  ini.Top = 7;
  ini.SaveOnExit();
  EXPECT_EQ(TAppIni(Program()).Top, 7);
}
