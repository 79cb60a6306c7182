#include "kirimo/shell/keypad_dwell.h"

#include <gtest/gtest.h>

#include "kirimo/shell/keypad_test_doubles.h"

namespace {

constexpr TKeypadControl KeyAt(int index) { return {TKeypadPart::Key, index}; }
constexpr TKeypadControl ItemAt(int index) { return {TKeypadPart::ListBox, index}; }
constexpr TKeypadControl StemAt(int index) { return {TKeypadPart::ItemStem, index}; }
constexpr TKeypadControl Part(TKeypadPart part) { return {part, 0}; }
constexpr TKeypadControl Outside{};

// Dwell 800 ms, a tolerance of 6 pixels, the repeat of "▲" and "▼" every 100 ms.
constexpr TKeypadTimings DwellTimings{400, 500, 100, 800, 6};

class KeypadDwell : public ::testing::Test {
 protected:
  KeypadDwell() {
    Rig.Commands.KeyLabels = {"あ", "か", "さ", "た", "な", "は", "ま", "や", "ら", "", "わ", "A"};
    Rig.Model.SetGridMode(false);  // takes the labels
    Rig.List.SetItems({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    Rig.Forget();
  }
  TKeypadGestures& Mouse() { return Rig.Gestures; }
  const TKeypadDwell& Dwell() { return Rig.Gestures.Dwell(); }
  TStringList Calls() { return Rig.Commands.TakeCalls(); }
  // The countdown's control and thousandths, or (None, -1) while none runs.
  std::pair<TKeypadControl, int> Countdown() {
    std::optional<TDwellCountdown> countdown = Dwell().Countdown();
    return countdown ? std::pair{countdown->Control, countdown->Permille} : std::pair{Outside, -1};
  }

  TKeypadRig Rig{false, DwellTimings};
};

TEST_F(KeypadDwell, RestingOnAKeyPressesItOnceWithACountdownThatFills) {
  EXPECT_TRUE(Mouse().IsRunning(TKeypadTimer::DwellFrame));  // looking at the pointer while on
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  EXPECT_EQ(Countdown(), std::pair(KeyAt(1), 0));
  Rig.Window.Repaints = 0;
  Rig.Wait(400);
  EXPECT_EQ(Countdown(), std::pair(KeyAt(1), 500));
  EXPECT_GT(Rig.Window.Repaints, 0);
  Rig.Wait(399);
  EXPECT_TRUE(Calls().empty());
  Rig.Wait(1);
  EXPECT_EQ(Calls(), TStringList{"key か"});
  EXPECT_EQ(Dwell().FiredCount(), 1);
  EXPECT_EQ(Rig.Commands.StopIdleCount, 1);  // a press, as a click is
  EXPECT_EQ(Rig.Window.Busy, 0);
  EXPECT_EQ(Countdown().second, -1);
  // Resting on: nothing more, however long.
  Rig.Wait(5000);
  Mouse().MouseMove(KeyAt(1), TPoint{31, 301});
  Rig.Wait(5000);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Dwell().FiredCount(), 1);
}

TEST_F(KeypadDwell, ATrembleWithinTheToleranceStillRests) {
  Mouse().MouseMove(KeyAt(1), TPoint{60, 300});
  Rig.Wait(300);
  // Across the edge onto the next key, 5 pixels from the last point on this one.
  Mouse().MouseMove(KeyAt(2), TPoint{64, 303});
  Rig.Wait(300);
  Mouse().MouseMove(KeyAt(1), TPoint{59, 300});
  Mouse().MouseMove(KeyAt(2), TPoint{63, 304});
  Rig.Wait(200);
  EXPECT_EQ(Calls(), TStringList{"key か"});
  // Drifting on: measured from the last point on the key, so it leaves at last.
  Mouse().MouseMove(KeyAt(2), TPoint{64, 300});
  EXPECT_EQ(Countdown().second, -1);  // still on か, which fired
  Mouse().MouseMove(KeyAt(2), TPoint{66, 300});
  EXPECT_EQ(Countdown(), std::pair(KeyAt(2), 0));
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"key さ"});
  // A move without a place (as the headless driver makes) is never a tremble.
  Mouse().MouseMove(KeyAt(1));
  EXPECT_EQ(Countdown(), std::pair(KeyAt(1), 0));
}

TEST_F(KeypadDwell, LeavingEarlyPressesNothingAndTheNextControlCountsAfresh) {
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(700);
  Mouse().PointerAt(Outside, TPoint{-40, 300});  // a frame's look: the pointer left the window
  Rig.Wait(2000);
  EXPECT_TRUE(Calls().empty());
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(700);
  Mouse().MouseMove(KeyAt(4), TPoint{100, 330});
  Rig.Wait(700);
  EXPECT_TRUE(Calls().empty());
  Rig.Wait(100);
  EXPECT_EQ(Calls(), TStringList{"key な"});
}

TEST_F(KeypadDwell, TheSameControlFiresAgainOnceThePointerHasLeftIt) {
  Mouse().MouseMove(KeyAt(0), TPoint{30, 300});
  Rig.Wait(800);
  // Onto the gap between the keys, which takes no dwell, and back.
  Mouse().MouseMove(Part(TKeypadPart::KeyPanel), TPoint{63, 320});
  Rig.Wait(2000);
  Mouse().MouseMove(KeyAt(0), TPoint{30, 300});
  Rig.Wait(800);
  EXPECT_EQ(Calls(), (TStringList{"key あ", "key あ"}));
}

TEST_F(KeypadDwell, AClickIsThePressAndNoDwellFollowsIt) {
  Mouse().MouseMove(KeyAt(3), TPoint{30, 300});
  Rig.Wait(500);
  Rig.Click(KeyAt(3));
  Rig.Wait(3000);
  EXPECT_EQ(Calls(), TStringList{"key た"});
}

TEST_F(KeypadDwell, ScrollButtonsRepeatWhileThePointerRests) {
  Mouse().MouseMove(Part(TKeypadPart::ListDown), TPoint{100, 200});
  Rig.Wait(800);
  EXPECT_EQ(Rig.List.TopIndex(), 1);
  EXPECT_EQ(Countdown(), std::pair(Part(TKeypadPart::ListDown), 1000));
  Rig.Wait(300);
  EXPECT_EQ(Rig.List.TopIndex(), 4);
  Mouse().MouseMove(Part(TKeypadPart::ListUp), TPoint{100, 180});
  Rig.Wait(799);
  EXPECT_EQ(Rig.List.TopIndex(), 4);
  Rig.Wait(201);
  EXPECT_EQ(Rig.List.TopIndex(), 1);
  Rig.Wait(1000);  // stops at the first item
  EXPECT_EQ(Rig.List.TopIndex(), 0);
  Mouse().PointerAt(Outside);
  Rig.Wait(1000);
  EXPECT_FALSE(Mouse().IsRunning(TKeypadTimer::Dwell));
}

TEST_F(KeypadDwell, RestingOnAnItemSendsItAndOnItsStemMarkTakesItAsAPrefix) {
  EXPECT_TRUE(Dwell().StemsShown());
  Mouse().MouseMove(ItemAt(2), TPoint{40, 40});
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"select 2"});
  EXPECT_EQ(Rig.List.ItemIndex(), 2);
  // The long press: the stem mark, with an earlier selection dropped.
  Rig.List.SetSelected(5, true);
  Mouse().MouseMove(StemAt(3), TPoint{180, 56});
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"accept"});
  EXPECT_EQ(Rig.List.SelectedIndex(), 3);
  EXPECT_FALSE(Rig.List.IsSelected(5));
  // A click on the stem mark does the same; a long press there too.
  Rig.Click(StemAt(4));
  EXPECT_EQ(Calls(), TStringList{"accept"});
  Rig.Click(ItemAt(4));
  EXPECT_EQ(Calls(), TStringList{"select 4"});
}

TEST_F(KeypadDwell, AListChangingUnderTheCountdownStartsItOverForTheNewWord) {
  Mouse().MouseMove(ItemAt(1), TPoint{40, 24});
  Rig.Wait(600);
  // A worker delivers its list: another word under the resting pointer.
  Rig.List.SetItems({"a", "b", "c"});
  Rig.Wait(50);
  EXPECT_EQ(Countdown(), std::pair(ItemAt(1), 0));
  Rig.Wait(700);
  EXPECT_TRUE(Calls().empty());
  Rig.Wait(100);
  EXPECT_EQ(Calls(), TStringList{"select 1"});
  // Rows without an item take no dwell, and a list emptied under the countdown ends it.
  Mouse().MouseMove(ItemAt(-1), TPoint{40, 200});
  EXPECT_EQ(Countdown().second, -1);
  Mouse().MouseMove(ItemAt(2), TPoint{40, 40});
  Rig.List.Clear();
  Rig.Wait(2000);
  EXPECT_TRUE(Calls().empty());
  // After a dwell fired, a new word under the pointer is not sent: resting never types twice.
  Rig.List.SetItems({"x", "y"});
  Mouse().MouseMove(ItemAt(0), TPoint{40, 8});
  Rig.Wait(800);
  Rig.List.SetItems({"z"});
  Rig.Wait(3000);
  EXPECT_EQ(Calls(), TStringList{"select 0"});
}

TEST_F(KeypadDwell, TheStatusBarPausesAndResumesAtTwiceTheDwellTime) {
  Mouse().MouseMove(Part(TKeypadPart::StatusBar), TPoint{50, 600});
  Rig.Wait(1599);
  EXPECT_FALSE(Dwell().Paused());
  Rig.Wait(1);
  EXPECT_TRUE(Dwell().Paused());
  EXPECT_FALSE(Dwell().StemsShown());
  EXPECT_EQ(Rig.Window.Statuses, TStringList{"ドウェル休止中"});
  // Paused, resting does nothing anywhere else; clicks still work.
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(3000);
  Rig.Click(KeyAt(2));
  EXPECT_EQ(Calls(), TStringList{"key さ"});
  Mouse().MouseMove(Part(TKeypadPart::StatusBar), TPoint{50, 600});
  Rig.Wait(1600);
  EXPECT_FALSE(Dwell().Paused());
  EXPECT_EQ(Rig.Window.Statuses.back(), "ドウェル再開");
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"key か"});
}

TEST_F(KeypadDwell, ControlsThatTakeNoDwell) {
  Rig.Commands.VowelLabels = TStringList{"a"};
  Rig.Model.Click({TKeypadPart::Clear, 0});  // vowels: "a" and four blanks
  Calls();
  // "隠す" would leave a user who cannot click without a keypad; blank buttons
  // do nothing; the caption bar and the gaps are no buttons.
  for (TKeypadControl control :
       {Part(TKeypadPart::Hide), KeyAt(9), TKeypadControl{TKeypadPart::Vowel, 3},
        Part(TKeypadPart::TitleBar), Part(TKeypadPart::KeyPanel), Outside}) {
    Mouse().MouseMove(control,
                      TPoint{control.Index * 40, 500 + static_cast<int>(control.Part) * 20});
    EXPECT_EQ(Countdown().second, -1) << static_cast<int>(control.Part);
    Rig.Wait(1000);
  }
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Rig.Window.Hidden, 0);
  // The sponsor strip's double-click.
  Mouse().MouseMove(Part(TKeypadPart::Sponsor), TPoint{50, 10});
  Rig.Wait(800);
  EXPECT_EQ(Rig.Window.SponsorPages, 1);
}

TEST_F(KeypadDwell, NothingCountsWhileTheWindowIsUsableItself) {
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(500);
  Rig.Model.SetKeypadEnabled(true);
  Rig.Wait(2000);
  Mouse().MouseMove(KeyAt(2), TPoint{90, 300});
  Rig.Wait(2000);
  EXPECT_TRUE(Calls().empty());
  Rig.Model.SetKeypadEnabled(false);
  Mouse().PointerAt(KeyAt(1), TPoint{30, 300});  // the next frame's look
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"key か"});
}

TEST_F(KeypadDwell, AFiredDwellRestartsTheIdleCountdownAsAReleaseDoes) {
  Mouse().RestartIdle();  // as when the window shows
  Rig.Wait(29000);
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(800);  // fired at 29.8 s
  Rig.Wait(29000);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 0);
  Rig.Wait(1000);
  EXPECT_EQ(Rig.Commands.IdleTickCount, 1);
}

TEST_F(KeypadDwell, SwitchedOffNothingCountsAndOnAgainItDoes) {
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(500);
  Mouse().SetDwell(0, 6);
  EXPECT_FALSE(Dwell().On());
  EXPECT_FALSE(Dwell().StemsShown());
  EXPECT_FALSE(Mouse().IsRunning(TKeypadTimer::DwellFrame));
  EXPECT_FALSE(Mouse().IsRunning(TKeypadTimer::Dwell));
  Rig.Wait(2000);
  Mouse().MouseMove(KeyAt(2), TPoint{90, 300});
  Rig.Wait(2000);
  EXPECT_TRUE(Calls().empty());
  Mouse().SetDwell(1000, 6);
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(999);
  EXPECT_TRUE(Calls().empty());
  Rig.Wait(1);
  EXPECT_EQ(Calls(), TStringList{"key か"});
}

TEST(KeypadDwellOff, TheShippedSettingsStartNoTimerAndCountNothing) {
  TKeypadRig rig;  // dwell time 0
  rig.Gestures.MouseMove(KeyAt(1), TPoint{30, 300});
  rig.Gestures.PointerAt(KeyAt(1), TPoint{30, 300});
  EXPECT_FALSE(rig.Gestures.IsRunning(TKeypadTimer::DwellFrame));
  EXPECT_FALSE(rig.Gestures.Dwell().Countdown());
  rig.Wait(10000);
  EXPECT_TRUE(rig.Commands.TakeCalls().empty());
}

TEST_F(KeypadDwell, AControllerFailureFiresOnceAndTheKeypadGoesOn) {
  Rig.Commands.Failing = "key";
  Mouse().MouseMove(KeyAt(1), TPoint{30, 300});
  Rig.Wait(3000);
  EXPECT_EQ(Calls(), TStringList{"key か"});
  EXPECT_EQ(Rig.Window.Busy, 0);
  Rig.Commands.Failing.clear();
  Mouse().MouseMove(KeyAt(2), TPoint{90, 300});
  Rig.Wait(800);
  EXPECT_EQ(Calls(), TStringList{"key さ"});
}

}  // namespace
