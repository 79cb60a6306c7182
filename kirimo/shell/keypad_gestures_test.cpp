#include "kirimo/shell/keypad_gestures.h"

#include <gtest/gtest.h>

#include "kirimo/shell/keypad_test_doubles.h"

namespace {

constexpr TKeypadControl KeyAt(int index) { return {TKeypadPart::Key, index}; }
constexpr TKeypadControl ItemAt(int index) { return {TKeypadPart::ListBox, index}; }
constexpr TKeypadControl Down{TKeypadPart::ListDown, 0};
constexpr TKeypadControl Up{TKeypadPart::ListUp, 0};
constexpr TKeypadControl Sponsor{TKeypadPart::Sponsor, 0};
constexpr TKeypadControl Nothing{};

class KeypadGestures : public ::testing::Test {
 protected:
  KeypadGestures() {
    Rig.Commands.KeyLabels = {"あ", "か", "さ", "た", "な", "は",
                              "ま", "や", "ら", "ー", "わ", "A"};
    Rig.Model.SetGridMode(false);  // takes the labels
    Rig.Forget();
    Rig.List.SetItems({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  }
  TKeypadGestures& Mouse() { return Rig.Gestures; }

  TKeypadRig Rig;
};

TEST_F(KeypadGestures, AClickIsAPressAndAReleaseOnOneButton) {
  Mouse().MouseMove(KeyAt(1));
  Mouse().MouseDown(KeyAt(1));
  EXPECT_EQ(Mouse().PressedButton(), KeyAt(1));
  EXPECT_EQ(Rig.Commands.StopIdleCount, 1);  // every press stops the idle work
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  Mouse().MouseUp(KeyAt(1));
  EXPECT_EQ(Mouse().PressedButton(), Nothing);
  EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"key か"});
  EXPECT_EQ(Rig.Window.Busy, 0);  // the hourglass came and went
}

TEST_F(KeypadGestures, SlidingOffAKeyCancelsItsClick) {
  Mouse().MouseDown(KeyAt(1));
  Rig.Window.Repaints = 0;
  Mouse().MouseMove(KeyAt(2));
  // Both keys raised, and the release on the other key inputs nothing.
  EXPECT_EQ(Mouse().PressedButton(), Nothing);
  EXPECT_GT(Rig.Window.Repaints, 0);
  Mouse().MouseUp(KeyAt(2));
  Mouse().MouseMove(KeyAt(1));  // coming back does not arm it again
  Mouse().MouseUp(KeyAt(1));
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  EXPECT_EQ(Mouse().PressedButton(), Nothing);
}

TEST_F(KeypadGestures, MovingOverTheSameButtonOrAnotherKindKeepsThePress) {
  Mouse().MouseDown(KeyAt(3));
  Mouse().MouseMove(KeyAt(3));
  Mouse().MouseMove(ItemAt(2));  // the list is not a panel
  Mouse().MouseUp(KeyAt(3));
  EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"key た"});
}

TEST_F(KeypadGestures, TwoClicksOnTheSponsorStripOpenItsPageOnlyWithoutAMove) {
  Rig.Click(Sponsor);
  Rig.Wait(399);
  Rig.Click(Sponsor);
  EXPECT_EQ(Rig.Window.SponsorPages, 1);
  // A move between the clicks.
  Rig.Wait(1000);
  Rig.Click(Sponsor);
  Mouse().MouseMove(Sponsor);
  Rig.Click(Sponsor);
  // Too slow.
  Rig.Wait(1000);
  Rig.Click(Sponsor);
  Rig.Wait(400);
  Rig.Click(Sponsor);
  EXPECT_EQ(Rig.Window.SponsorPages, 1);
  // A double-click is a press too: a key clicked twice quickly types twice.
  Rig.Click(KeyAt(0));
  Rig.Click(KeyAt(0));
  EXPECT_EQ(Rig.Commands.TakeCalls(), (TStringList{"key あ", "key あ"}));
}

TEST_F(KeypadGestures, AHeldScrollButtonRepeatsFromTheSecondTick) {
  Mouse().MouseDown(Down);
  Rig.Wait(100);
  EXPECT_EQ(Rig.List.TopIndex(), 0);  // the first tick only arms the repeat
  Rig.Wait(100);
  EXPECT_EQ(Rig.List.TopIndex(), 1);
  Rig.Wait(200);
  EXPECT_EQ(Rig.List.TopIndex(), 3);
  Mouse().MouseUp(Down);  // and once more on release
  EXPECT_EQ(Rig.List.TopIndex(), 4);
  Rig.Wait(1000);
  EXPECT_EQ(Rig.List.TopIndex(), 4);
  EXPECT_FALSE(Mouse().IsRunning(TKeypadTimer::ListScroll));
  // Up stops at the first item.
  Mouse().MouseDown(Up);
  Rig.Wait(1000);
  Mouse().MouseUp(Up);
  EXPECT_EQ(Rig.List.TopIndex(), 0);
}

TEST_F(KeypadGestures, SlidingOffAScrollButtonStopsTheRepeat) {
  Mouse().MouseDown(Down);
  Rig.Wait(300);
  EXPECT_EQ(Rig.List.TopIndex(), 2);
  Mouse().MouseMove(KeyAt(0));
  Rig.Wait(500);
  Mouse().MouseUp(KeyAt(0));
  EXPECT_EQ(Rig.List.TopIndex(), 2);
  // A new press waits a tick again before repeating.
  Mouse().MouseMove(Down);
  Mouse().MouseDown(Down);
  Rig.Wait(100);
  EXPECT_EQ(Rig.List.TopIndex(), 2);
  // Its release was lost outside the window: the next press lets it go.
  Mouse().MouseDown(KeyAt(0));
  Rig.Wait(500);
  EXPECT_EQ(Rig.List.TopIndex(), 2);
  EXPECT_EQ(Mouse().PressedButton(), KeyAt(0));
}

TEST_F(KeypadGestures, AShortClickOnAnItemSendsIt) {
  Mouse().MouseDown(ItemAt(2));
  EXPECT_EQ(Rig.List.ItemIndex(), 2);
  EXPECT_EQ(Rig.List.SelectedIndex(), 2);
  Rig.Wait(499);
  Mouse().MouseUp(ItemAt(2));
  EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"select 2"});
  EXPECT_EQ(Rig.Commands.VowelQueries, TStringList{""});
  EXPECT_FALSE(Mouse().IsRunning(TKeypadTimer::Accumulate));
}

TEST_F(KeypadGestures, ALongPressAcceptsAndItsReleaseDoesNothing) {
  Mouse().MouseDown(ItemAt(1));
  Rig.Wait(500);
  EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"accept"});
  Rig.Wait(2000);  // fires once only
  Mouse().MouseUp(ItemAt(1));
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  // Below the last item: nothing is focused and nothing is sent.
  Rig.Click(ItemAt(-1));
  Rig.Wait(1000);
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  EXPECT_EQ(Rig.List.ItemIndex(), 1);
}

TEST_F(KeypadGestures, EveryReleaseRestartsTheIdleCountdown) {
  Rig.Click(Nothing);
  Rig.Wait(29999);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  Rig.Click(KeyAt(0));
  Rig.Wait(29999);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  Rig.Wait(1);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 1);
  Rig.Wait(100000);  // once per idle spell
  EXPECT_EQ(Rig.Commands.IdleTickCount, 1);
  Mouse().RestartIdle();  // as when the window shows
  Rig.Wait(30000);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 2);
}

TEST_F(KeypadGestures, APressOnTheCaptionBarBorderOrSplitterMovesOrSizesAtOnce) {
  const TKeypadControl chrome[] = {{TKeypadPart::TitleBar, 0},
                                   {TKeypadPart::FrameEdge, FrameBottomRight},
                                   {TKeypadPart::Splitter, 0}};
  for (TKeypadControl from : chrome) {
    Rig.Window.MovesAndSizes.clear();
    Mouse().MouseDown(from);
    // Usable for the platform's loop, which began from this press.
    EXPECT_TRUE(Rig.Model.FormEnabled());
    EXPECT_GT(Rig.Window.FormEnabledChanges, 0);
    EXPECT_EQ(Rig.Window.MovesAndSizes, std::vector<TKeypadControl>{from});
    // The keys take nothing meanwhile.
    Rig.Click(KeyAt(0));
    EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
    // Another program is still the active one: the keys work again at once.
    Mouse().MoveSizeEnded(false);
    EXPECT_FALSE(Rig.Model.FormEnabled());
    Rig.Click(KeyAt(1));
    EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"key か"});
  }
  // This program active (a tray command brought the keypad to the front): it stays usable.
  Mouse().MouseDown({TKeypadPart::TitleBar, 0});
  Mouse().MoveSizeEnded(true);
  EXPECT_TRUE(Rig.Model.FormEnabled());
}

TEST_F(KeypadGestures, WhileTheWindowIsUsableOnlyHideTakesAClick) {
  Rig.Model.SetKeypadEnabled(true);  // this program is active
  Rig.Click(KeyAt(1));
  Rig.Click({TKeypadPart::Clear, 0});
  Rig.Click(ItemAt(2));
  Rig.Wait(1000);
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  EXPECT_EQ(Rig.Commands.StopIdleCount, 0);
  EXPECT_TRUE(Rig.Window.MovesAndSizes.empty());  // the platform moves the usable window itself
  // Sliding off "隠す" cancels it here too.
  Mouse().MouseDown({TKeypadPart::Hide, 0});
  EXPECT_EQ(Mouse().PressedButton(), (TKeypadControl{TKeypadPart::Hide, 0}));
  Mouse().MouseMove(KeyAt(2));
  Mouse().MouseUp(KeyAt(2));
  EXPECT_EQ(Rig.Window.Hidden, 0);
  EXPECT_TRUE(Rig.Model.HideEnabled());
  Rig.Click({TKeypadPart::Hide, 0});
  EXPECT_EQ(Rig.Window.Hidden, 1);
  // And as before while the keys work.
  Rig.Model.SetKeypadEnabled(false);
  Rig.Click({TKeypadPart::Hide, 0});
  EXPECT_EQ(Rig.Window.Hidden, 2);
}

TEST_F(KeypadGestures, AnOpenDialogBlocksEveryClickAndTheIdleWork) {
  Mouse().MouseDown(KeyAt(1));  // held as the dialog opens
  Rig.Wait(29000);
  const int stops = Rig.Commands.StopIdleCount;
  Mouse().SetDialogOpen(true);
  EXPECT_EQ(Rig.Commands.StopIdleCount, stops + 1);  // idle work already running stops
  EXPECT_TRUE(Rig.Model.DialogOpen());
  EXPECT_FALSE(Rig.Model.WindowEnabled());
  EXPECT_FALSE(Rig.Model.KeysEnabled());
  EXPECT_FALSE(Rig.Model.HideEnabled());
  EXPECT_EQ(Mouse().PressedButton(), Nothing);
  Mouse().MouseUp(KeyAt(1));
  Rig.Click(KeyAt(2));
  Rig.Click({TKeypadPart::Hide, 0});
  Mouse().MouseDown({TKeypadPart::TitleBar, 0});
  Rig.Model.SetKeypadEnabled(true);  // the dialog made this program active
  Rig.Click({TKeypadPart::Hide, 0});
  EXPECT_FALSE(Rig.Model.WindowEnabled());
  Mouse().RestartIdle();  // a tray command's restart waits for the dialog to close
  Rig.Wait(100000);
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  EXPECT_EQ(Rig.Window.Hidden, 0);
  EXPECT_TRUE(Rig.Window.MovesAndSizes.empty());
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  // Closed: the idle countdown starts over, and the keys work once another program is active.
  Mouse().SetDialogOpen(false);
  EXPECT_TRUE(Rig.Model.WindowEnabled());
  Rig.Model.SetKeypadEnabled(false);
  Rig.Click(KeyAt(2));
  EXPECT_EQ(Rig.Commands.TakeCalls(), TStringList{"key さ"});
  Rig.Wait(29999);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  Rig.Wait(1);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 1);
}

TEST_F(KeypadGestures, StaleTicksAndControllerFailuresLeaveTheKeypadWorking) {
  Mouse().TimerTick(TKeypadTimer::Accumulate);
  Mouse().TimerTick(TKeypadTimer::Idle);
  EXPECT_TRUE(Rig.Commands.TakeCalls().empty());
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  Rig.Commands.Failing = "key";
  Rig.Click(KeyAt(0));
  EXPECT_EQ(Rig.Window.Busy, 0);
  EXPECT_EQ(Mouse().PressedButton(), Nothing);
  Rig.Commands.Failing.clear();
  Rig.Click(KeyAt(1));
  EXPECT_EQ(Rig.Commands.TakeCalls(), (TStringList{"key あ", "key か"}));
}

}  // namespace
