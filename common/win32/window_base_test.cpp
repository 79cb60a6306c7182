#include "common/win32/window_base.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/win32/ui_dispatcher.h"
#include "common/win32/unexpected_error.h"
#include "common/win32/wide_text.h"

namespace {

constexpr UINT PingMessage = WM_APP + 7;
constexpr UINT ThrowMessage = WM_APP + 8;

class TProbeWindow : public TWindowBase {
 public:
  bool Create() {
    return CreateBound({L"KirimoProbeWindow"}, 0, WS_OVERLAPPED, L"probe", 0, 0, 50, 50, nullptr);
  }
  int Pings = 0;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == PingMessage) return ++Pings;
    if (message == ThrowMessage) throw std::runtime_error("broken handler");
    return DefaultMessage(message, wParam, lParam);
  }
};

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(WindowBase, BindsAtCreationFollowsAMoveAndLetsGoWhenDestroyed) {
  TProbeWindow first;
  ASSERT_TRUE(first.Create());
  HWND window = first.Handle();
  EXPECT_EQ(SendMessageW(window, PingMessage, 0, 0), 1);

  TProbeWindow second = std::move(first);
  EXPECT_EQ(first.Handle(), nullptr);
  EXPECT_EQ(second.Handle(), window);
  EXPECT_EQ(SendMessageW(window, PingMessage, 0, 0), 2);
  EXPECT_EQ(second.Pings, 2);

  DestroyWindow(window);  // from outside: the object lets go of the handle
  EXPECT_EQ(second.Handle(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST(WindowBase, AnExceptionInAHandlerIsReportedAndTheWindowLivesOn) {
  std::vector<std::string> reported;
  SetUnexpectedErrorHandler([&](std::string_view text) { reported.emplace_back(text); });
  TProbeWindow probe;
  ASSERT_TRUE(probe.Create());
  EXPECT_EQ(SendMessageW(probe.Handle(), ThrowMessage, 0, 0), 0);
  EXPECT_EQ(reported, std::vector<std::string>{"broken handler"});
  EXPECT_EQ(SendMessageW(probe.Handle(), PingMessage, 0, 0), 1);
  SetUnexpectedErrorHandler(nullptr);
}

// A window whose handlers must not interrupt the user.
class TQuietWindow : public TProbeWindow {
  void OnMessageFailure() noexcept override {}
};

TEST(WindowBase, AWindowThatSwallowsItsFailuresReportsNothing) {
  std::vector<std::string> reported;
  SetUnexpectedErrorHandler([&](std::string_view text) { reported.emplace_back(text); });
  TQuietWindow quiet;
  ASSERT_TRUE(quiet.Create());
  EXPECT_EQ(SendMessageW(quiet.Handle(), ThrowMessage, 0, 0), 0);
  EXPECT_TRUE(reported.empty());
  EXPECT_EQ(SendMessageW(quiet.Handle(), PingMessage, 0, 0), 1);
  SetUnexpectedErrorHandler(nullptr);
}

TEST(UiDispatcher, RunsWorkerNoticesOnTheUiThreadCoalescedAndNothingAfterClose) {
  TUiDispatcher dispatcher;
  EXPECT_EQ(UiDispatcher(), &dispatcher);
  const DWORD uiThread = GetCurrentThreadId();
  int model = 0, runs = 0;
  bool onUiThread = true;
  std::thread worker([&] {
    for (int i = 0; i < 100; ++i)
      dispatcher.Post(&model, nullptr, [&] {
        ++runs;
        onUiThread = onUiThread && GetCurrentThreadId() == uiThread;
      });
  });
  worker.join();
  Pump();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(onUiThread);
  dispatcher.DrainAndClose();
  dispatcher.Post(&model, nullptr, [&] { ++runs; });
  Pump();
  EXPECT_EQ(runs, 1);
}

TEST(WideText, ConvertsWithOurCodecWhateverTheCodePage) {
  EXPECT_EQ(ToWide("Kirimo起動中"), L"Kirimo\u8D77\u52D5\u4E2D");
  EXPECT_EQ(FromWide(L"\u30B9\u30DD\u30F3\u30B5\u30FC"), "スポンサー");
}

}  // namespace
