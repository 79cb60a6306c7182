#include "kirimo/cartridge_base/win32/win32_output.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "kirimo/cartridge_base/double_click_time.h"
#include "kirimo/cartridge_base/win32/win32_window_system.h"

namespace {

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A real application window with a multi-line edit control that has the focus.
class Win32Output : public ::testing::Test {
 protected:
  void SetUp() override {
    Top = CreateWindowExW(0, L"STATIC", L"target", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
    Edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 380, 260,
                           Top, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(Edit, nullptr);
    SetFocus(Edit);
    PumpMessages();
    ASSERT_EQ(GetFocus(), Edit);
  }
  void TearDown() override {
    DestroyWindow(Top);
    PumpMessages();
  }

  std::u16string Text() {
    PumpMessages();
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(Edit)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(
        Edit, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
  }
  DWORD Caret() {
    PumpMessages();
    DWORD start = 0, end = 0;
    SendMessageW(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    return end;
  }

  HWND Top = nullptr;
  HWND Edit = nullptr;
  TWin32Output Output;
};

}  // namespace

TEST_F(Win32Output, TextArrivesWhateverItsWidth) {
  Output.SendText("か");
  Output.SendText("a");
  Output.SendText("ｱ");
  Output.SendText("漢字");
  EXPECT_EQ(Text(), u"かaｱ漢字");
  EXPECT_EQ(Caret(), 5u);
}

TEST_F(Win32Output, BracketPairThenLeftPutsTheCaretInside) {
  Output.SendText("「」");
  Output.SendKeyDown(37);
  EXPECT_EQ(Text(), u"「」");
  EXPECT_EQ(Caret(), 1u);
}

TEST_F(Win32Output, CrLfIsOneLineBreakAndALastCrIsDropped) {
  Output.SendText("ab\r\n");
  EXPECT_EQ(Text(), u"ab\r\n");
  EXPECT_EQ(Caret(), 4u);
  Output.SendText("c\r");
  EXPECT_EQ(Text(), u"ab\r\nc");
}

TEST_F(Win32Output, KeyCodesOfTwoHundredFiftySixOrMoreSendNothing) {
  Output.SendText("ab");
  Output.SendKeyDown(256 + 37);
  EXPECT_EQ(Caret(), 2u);
}

TEST_F(Win32Output, BridgeIsAHiddenChildOfTheTopLevelWindow) {
  TWin32WindowSystem windows;
  HWND bridge = ToHwnd(windows.CreateBridge(ToHandle(Edit)));
  ASSERT_NE(bridge, nullptr);
  EXPECT_EQ(GetParent(bridge), Top);
  EXPECT_FALSE(IsWindowVisible(bridge));
  wchar_t caption[32] = {};
  GetWindowTextW(bridge, caption, 32);
  EXPECT_EQ(std::wstring(caption), L"ParasiticForm");
  EXPECT_TRUE(windows.BelongsToThisProgram(ToHandle(bridge)));
  windows.DestroyBridge(ToHandle(bridge));
  EXPECT_FALSE(IsWindow(bridge));
  windows.DestroyBridge(ToHandle(bridge));
}

namespace {

// The real bridge, with this test's window standing for another application.
class TTestWindows : public TWin32WindowSystem {
 public:
  explicit TTestWindows(HWND application) : Application(application) {}
  TWindowHandle ForegroundWindow() override { return ToHandle(Application); }
  bool BelongsToThisProgram(TWindowHandle) override { return false; }
  HWND Application;
};

}  // namespace

TEST_F(Win32Output, WorkerThreadsReachTheTargetsFocus) {
  TTestWindows windows(Top);
  TTargetTracker tracker(windows);
  ASSERT_TRUE(tracker.Step(true));
  ASSERT_EQ(tracker.TargetWindow(), ToHandle(Top));
  TWin32Output output(&tracker);

  std::atomic<bool> done = false;
  std::thread worker([&] {
    output.SendText("「」");
    output.SendKeyDown(37);
    done = true;
  });
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  worker.join();
  EXPECT_EQ(Text(), u"「」");
  EXPECT_EQ(Caret(), 1u);
  tracker.Stop();
}

// The test thread owns the target and stops handling messages: the worker
// must give up after one bounded wait and say why.
TEST_F(Win32Output, AHungTargetCostsOneBoundedWaitAndIsReported) {
  TTestWindows windows(Top);
  TTargetTracker tracker(windows);
  ASSERT_TRUE(tracker.Step(true));
  std::vector<TDeliveryProblem> problems;
  TWin32Output output(&tracker, [&](TDeliveryProblem problem) { problems.push_back(problem); });

  DWORD elapsed = 0;
  std::thread worker([&] {
    DWORD start = GetTickCount();
    output.SendText("かなかな");
    elapsed = GetTickCount() - start;
  });
  worker.join();  // no messages handled meanwhile
  EXPECT_GE(elapsed, TWin32Output::SendTimeoutMilliseconds - 100);
  EXPECT_EQ(problems, std::vector<TDeliveryProblem>{TDeliveryProblem::NotResponding});
  PumpMessages();
  tracker.Stop();
}

TEST_F(Win32Output, NoTargetIsReportedInsteadOfLostSilently) {
  std::vector<TDeliveryProblem> problems;
  TWin32Output output(nullptr, [&](TDeliveryProblem problem) { problems.push_back(problem); });
  SetFocus(nullptr);
  output.SendText("か");
  output.SendKeyDown(37);
  output.SendText("");
  EXPECT_EQ(problems, (std::vector<TDeliveryProblem>{TDeliveryProblem::NoTarget,
                                                     TDeliveryProblem::NoTarget}));
}

TEST(DoubleClickTime, ComesFromTheSystem) {
  EXPECT_EQ(SystemDoubleClickTime(), static_cast<int>(GetDoubleClickTime()));
}

// Synthesised keys go to the foreground window, so this one is shown.
TEST_F(Win32Output, SynthesisedKeysReachTheForegroundApplication) {
  ShowWindow(Top, SW_SHOW);
  SetForegroundWindow(Top);
  SetFocus(Edit);
  PumpMessages();
  if (GetForegroundWindow() != Top) GTEST_SKIP() << "no foreground window on this display";
  Output.PressKey('K');
  Output.HoldKey(VK_SHIFT);
  Output.PressKey('M');
  Output.ReleaseKey(VK_SHIFT);
  Output.PressKey('K' + 256);
  Output.PressKey('O');
  // The keys go round through the system's input queue: wait until they are in.
  for (int i = 0; i < 1000 && Text().size() < 3; ++i) Sleep(10);
  EXPECT_EQ(Text(), u"kMo");
}
