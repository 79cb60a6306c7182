#include <gtest/gtest.h>

#include <string>

#include "common/test_folder.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/program_messages.h"
#include "kirimo/shell/sponsor_file.h"
#include "kirimo/shell/sponsor_scroll.h"
#include "kirimo/shell/tray_menu.h"

namespace {

std::string WriteSponsorFile(const TTestFolder& folder, const std::string& text) {
  folder.Write("sponsor.ini", text);
  return folder.PathOf("sponsor.ini");
}

TEST(SponsorFile, ReadsFromZeroUpToTheFirstIncompleteSection) {
  TTestFolder folder;
  EXPECT_TRUE(ReadSponsorFile("").empty());
  EXPECT_TRUE(ReadSponsorFile(folder.PathOf("missing.ini")).empty());

  auto gap = ReadSponsorFile(WriteSponsorFile(
      folder,
      "[ADVERTISER_0]\nMSG=一番目\nURL=http://a/\n[ADVERTISER_2]\nMSG=三\nURL=http://c/\n"));
  ASSERT_EQ(gap.size(), 1u);
  EXPECT_EQ(gap[0].Message, "一番目");
  EXPECT_EQ(gap[0].Url, "http://a/");

  auto emptyUrl =
      ReadSponsorFile(WriteSponsorFile(folder,
                                       "[advertiser_0]\nmsg=a\nurl=u0\n[ADVERTISER_1]\nMSG=b\nURL="
                                       "\n[ADVERTISER_2]\nMSG=c\nURL=u2\n"));
  ASSERT_EQ(emptyUrl.size(), 1u);
  EXPECT_EQ(emptyUrl[0].Message, "a");
}

TEST(SponsorScroll, MovesLeftAndTakesTheNextMessageOnceTheTextHasLeft) {
  TSponsorScroll scroll({{"a", "u0"}, {"b", "u1"}}, 1);
  scroll.Attach(100);
  EXPECT_EQ(scroll.Text(), "b");
  EXPECT_EQ(scroll.X(), 100);
  // A 10-pixel text drawn at x leaves the strip once x + 10 < 0.
  int ticks = 0;
  while (scroll.MessageIndex() == 1) {
    scroll.Advance(10, 100);
    ++ticks;
  }
  EXPECT_EQ(ticks, 28);  // 100 - 4 * 28 = -12
  EXPECT_EQ(scroll.X(), 100);
  EXPECT_EQ(scroll.Text(), "a");
  EXPECT_EQ(scroll.Page(), "u0");
}

TEST(SponsorScroll, WithoutEntriesShowsTheDefaultAndOpensNothing) {
  TSponsorScroll scroll({}, 5);
  scroll.Attach(40);
  EXPECT_EQ(scroll.Text(), TSponsorScroll::DefaultMessage);
  EXPECT_FALSE(scroll.Page().has_value());
  for (int i = 0; i < 100; ++i) scroll.Advance(30, 40);
  EXPECT_EQ(scroll.MessageIndex(), 0);
  EXPECT_EQ(TSponsorScroll({{"a", "u"}}, -7).MessageIndex(), 0);
}

TEST(ProgramMessages, StartupProblemsAreExactAndTheIniComesFirst) {
  EXPECT_EQ(StartupProblem(false, false, "Kirimo.ini", "Kirimo.exe"),
            ("\"Kirimo.ini\"ファイルが見つかりません。\r\n"
             "\"Kirimo.exe\"ファイルと同じフォルダに配置してください。"));
  EXPECT_EQ(StartupProblem(true, false, "Kirimo.ini", "Kirimo.exe"),
            ("\"dic\"フォルダが見つかりません。\r\n"
             "\"Kirimo.exe\"ファイルと同じフォルダに配置してください。"));
  EXPECT_EQ(StartupProblem(true, true, "Kirimo.ini", "Kirimo.exe"), "");
  EXPECT_EQ(UnexpectedErrorText("boom"),
            ("予期せぬエラーが発生しました！\r\n＞ boom\r\nアプリケーションを終了してください"));
}

TEST(ProgramMessages, TheStartNamesEveryDictionaryLeftOut) {
  EXPECT_EQ(DictionaryFailureText({}), "");
  EXPECT_EQ(DictionaryFailureText({TDictionaryOpenError("a.usr", "ファイルを作成できません: a.usr"),
                                   TDictionaryOpenError("b.dic", "ファイルを読めません: b.dic")}),
            "次の辞書は開けないため、使わずに起動しました。\r\n"
            "\"a.usr\"を開けません。\r\n＞ ファイルを作成できません: a.usr\r\n"
            "\"b.dic\"を開けません。\r\n＞ ファイルを読めません: b.dic\r\n"
            "拡張辞書はトレイメニューの「拡張辞書の設定」で直せます。");
}

TEST(TrayClicks, ActOnlyOnAReleaseThatFollowsAPressAndNotDuringStartOrDialogs) {
  TTrayClicks clicks;
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::LeftUp, true, false), TTrayAction::None);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::LeftDown, false, false), TTrayAction::None);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::LeftUp, true, false),
            TTrayAction::None);  // pressed while starting
  clicks.OnMouse(TTrayMouse::LeftDown, true, false);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::LeftUp, true, false), TTrayAction::ShowKeypad);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::LeftUp, true, false), TTrayAction::None);

  clicks.OnMouse(TTrayMouse::RightDown, true, true);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::RightUp, true, true), TTrayAction::None);   // about box open
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::RightUp, true, false), TTrayAction::None);  // disarmed
  clicks.OnMouse(TTrayMouse::RightDown, true, false);
  EXPECT_EQ(clicks.OnMouse(TTrayMouse::RightUp, true, false), TTrayAction::PopupMenu);
}

TEST(TrayMenu, CaptionsInOrderWithSeparators) {
  std::string joined;
  for (const auto& item : TrayMenuItems) joined += std::string(item.Caption) + "|";
  EXPECT_EQ(joined, ("終了|-|バージョン情報|-|拡張辞書の設定|単語登録|テキストから新語抽出|-|"
                     "５０音ボタンの使用|CMパネルの表示|フォント設定|ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定|"
                     "ドウェル入力|-|表示|隠す|"));
}

}  // namespace
