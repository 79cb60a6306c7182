#include <gtest/gtest.h>

#include <map>
#include <thread>
#include <vector>

#include "kirimo/cartridge_base/ime_char_values.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_base/target_tracker.h"

using Values = std::vector<std::uint16_t>;

TEST(ImeCharValues, PairsLeadAndTrailBytesInOrder) {
  EXPECT_EQ(ImeCharValues("かa"), (Values{0x82A9, 0x0061}));
  EXPECT_EQ(ImeCharValues("ｱ"), (Values{0xB1}));
  EXPECT_EQ(ImeCharValues("漢字"), (Values{0x8ABF, 0x8E9A}));
  EXPECT_EQ(ImeCharValues("ソ"), (Values{0x835C}));
  EXPECT_EQ(ImeCharValues(""), Values{});
}

TEST(ImeCharValues, LineBreaksAndTextCutShort) {
  EXPECT_EQ(ImeCharValues("a\r\n"), (Values{'a', LineBreakValue}));
  EXPECT_EQ(ImeCharValues("a\r\nb"), (Values{'a', LineBreakValue, 'b'}));
  EXPECT_EQ(ImeCharValues("a\r"), (Values{'a'}));
  EXPECT_EQ(ImeCharValues("\rb"), (Values{'\r', 'b'}));
  EXPECT_EQ(ImeCharValues("\r\rb"), (Values{'\r', '\r', 'b'}));
  EXPECT_EQ(ImeCharValues("a\x82"), (Values{'a'}));
}

TEST(RecordingOutput, RecordsEveryCallInOrder) {
  TRecordingOutput output;
  output.SendText("「」");
  output.SendKeyDown(37);
  output.PressKey(13);
  output.HoldKey(16);
  output.ReleaseKey(16);
  output.PressKey(256);
  output.HoldKey(-1);
  EXPECT_EQ(output.TakeCalls(),
            (TStringList{"text 「」", "keydown 37", "press 13", "hold 16", "release 16"}));
  EXPECT_TRUE(output.Calls().empty());
}

TEST(RecordingOutput, CallsFromManyThreadsAreAllKept) {
  TRecordingOutput output;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&output, t] {
      for (int i = 0; i < 200; ++i) output.PressKey(t);
    });
  }
  for (std::thread& thread : threads) thread.join();
  std::map<std::string, int> counts;
  for (const std::string& call : output.Calls()) ++counts[call];
  EXPECT_EQ(counts, (std::map<std::string, int>{
                        {"press 0", 200}, {"press 1", 200}, {"press 2", 200}, {"press 3", 200}}));
}

namespace {

constexpr TWindowHandle Keypad = 1, MainWindow = 2, AppA = 10, AppB = 11, Dialog = 12;

class TFakeWindows : public TWindowSystem {
 public:
  TWindowHandle ForegroundWindow() override { return Foreground; }
  bool IsEnabled(TWindowHandle window) override { return window != Disabled; }
  bool BelongsToThisProgram(TWindowHandle window) override {
    return window == Keypad || window == MainWindow || window == Dialog || window >= 100;
  }
  TWindowHandle CreateBridge(TWindowHandle target) override {
    if (FailBridges) return 0;
    Parents[NextBridge] = target;
    return NextBridge++;
  }
  void DestroyBridge(TWindowHandle bridge) override { Parents.erase(bridge); }

  TWindowHandle Foreground = 0;
  TWindowHandle Disabled = 0;
  bool FailBridges = false;
  TWindowHandle NextBridge = 100;
  std::map<TWindowHandle, TWindowHandle> Parents;  // live bridges
};

class TargetTracking : public ::testing::Test {
 protected:
  void StepTo(TWindowHandle foreground) {
    Windows.Foreground = foreground;
    EXPECT_TRUE(Tracker.Step(true));
  }
  TFakeWindows Windows;
  TTargetTracker Tracker{Windows};
};

}  // namespace

TEST_F(TargetTracking, KeepsTheBridgeUntilAnotherApplicationComesForward) {
  StepTo(AppA);
  TWindowHandle bridge = Tracker.BridgeWindow();
  EXPECT_EQ(Tracker.TargetWindow(), AppA);
  EXPECT_EQ(Windows.Parents, (std::map<TWindowHandle, TWindowHandle>{{bridge, AppA}}));

  for (TWindowHandle own : {Keypad, MainWindow, Dialog, bridge, TWindowHandle{0}, AppA}) {
    StepTo(own);
    EXPECT_EQ(Tracker.TargetWindow(), AppA);
    EXPECT_EQ(Tracker.BridgeWindow(), bridge);
  }

  StepTo(AppB);
  EXPECT_EQ(Tracker.TargetWindow(), AppB);
  EXPECT_NE(Tracker.BridgeWindow(), bridge);
  EXPECT_EQ(Windows.Parents,
            (std::map<TWindowHandle, TWindowHandle>{{Tracker.BridgeWindow(), AppB}}));
}

TEST_F(TargetTracking, NoBridgeWhileTheForegroundWindowIsDisabled) {
  StepTo(AppA);
  Windows.Disabled = AppB;
  StepTo(AppB);
  EXPECT_EQ(Tracker.TargetWindow(), 0u);
  EXPECT_EQ(Tracker.BridgeWindow(), 0u);
  EXPECT_TRUE(Windows.Parents.empty());
  StepTo(AppB);
  EXPECT_TRUE(Windows.Parents.empty());

  Windows.Disabled = 0;
  StepTo(AppB);
  EXPECT_EQ(Tracker.TargetWindow(), AppB);
  EXPECT_EQ(Windows.Parents.size(), 1u);
}

TEST_F(TargetTracking, HidingTheKeypadStopsTracking) {
  StepTo(AppA);
  EXPECT_FALSE(Tracker.Step(false));
  EXPECT_EQ(Tracker.TargetWindow(), 0u);
  EXPECT_TRUE(Windows.Parents.empty());
  // Shown again: the same application gets a fresh bridge.
  StepTo(AppA);
  EXPECT_EQ(Tracker.TargetWindow(), AppA);
  EXPECT_EQ(Windows.Parents.size(), 1u);
}

TEST_F(TargetTracking, ABridgeThatCannotBeMadeIsTriedAgain) {
  Windows.FailBridges = true;
  StepTo(AppA);
  EXPECT_EQ(Tracker.TargetWindow(), 0u);
  Windows.FailBridges = false;
  StepTo(AppA);
  EXPECT_EQ(Tracker.TargetWindow(), AppA);
}

TEST(TargetTracker, DestructionRemovesTheBridge) {
  TFakeWindows windows;
  windows.Foreground = AppA;
  {
    TTargetTracker tracker(windows);
    tracker.Step(true);
    EXPECT_EQ(windows.Parents.size(), 1u);
  }
  EXPECT_TRUE(windows.Parents.empty());
}
