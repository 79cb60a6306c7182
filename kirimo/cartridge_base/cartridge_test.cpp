#include "kirimo/cartridge_base/cartridge.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"

namespace {

// A cartridge that records what its worker was asked to do. InputKey "wait"
// blocks until Release (or an abort); "throw" throws.
class TTestCartridge : public TCartridge {
 public:
  TTestCartridge(const TAppIni& settings, TOutputOperations& output)
      : TCartridge("EXT", settings, output) {
    BuildKeyLayouts();
  }
  ~TTestCartridge() override { StopWorker(); }

  void SendSelected() override {}
  void Forward() override {}
  void InputKey(std::string_view caption) override {
    if (caption == "wait") {
      // A long building loop: it polls the abort flag between steps.
      Started = true;
      while (!Released && !AbortRequested) std::this_thread::yield();
    }
    if (caption == "throw") throw std::runtime_error("no candidates");
    Record("key " + std::string(caption));
  }
  void InputVowel(std::string_view caption) override {
    if (IsKeyCommand(caption)) {
      SendKeyCommand(caption);
      return;
    }
    Record("vowel " + std::string(caption));
  }
  void InputSyllable(std::string_view text) override { Record("syllable " + std::string(text)); }
  void Back() override { Record("back"); }
  void Clear() override {
    TCartridge::Clear();
    Record("clear");
  }
  void IdleWork() override { Record("idle"); }

  void WaitForStart() {
    while (!Started) std::this_thread::yield();
  }
  void Release() { Released = true; }
  TStringList Calls() {
    std::lock_guard<std::mutex> lock(CallsMutex);
    return Recorded;
  }
  void SetKeyLetters(TStringList letters) {
    std::lock_guard<std::mutex> lock(StateMutex);
    KeyLetters = std::move(letters);
  }
  void PushCandidates(TStringList items) {
    std::lock_guard<std::mutex> lock(StateMutex);
    CandidateLists.push_back(std::make_shared<const TStringList>(std::move(items)));
  }
  void MarkDeadEnd() { DeadEnd = true; }
  int Saves = 0;
  using TCartridge::GridIndex;
  using TCartridge::LayoutIndex;

 protected:
  void BuildKeyLayouts() override {
    KeyLayouts = {TStringList(12, "a"), TStringList(12, "b"), TStringList(12, "c")};
    GridLayouts = {"ｱｲｳ", "ABC"};
    LayoutIndex = 0;
    GridIndex = 0;
  }
  void SaveState() override { ++Saves; }

 private:
  void Record(std::string call) {
    std::lock_guard<std::mutex> lock(CallsMutex);
    Recorded.push_back(std::move(call));
  }
  std::mutex CallsMutex;
  TStringList Recorded;
  std::atomic<bool> Started = false;
  std::atomic<bool> Released = false;
};

class CartridgeTest : public ::testing::Test {
 protected:
  CartridgeTest() : Settings("/nonexistent/Kirimo.exe", 500) {
    Settings.SubButtons[0] = {"VK_RETURN", "改行"};
    Settings.SubButtons[1] = {"VK_TAB", "Tab"};
    Cartridge = std::make_unique<TTestCartridge>(Settings, Output);
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
    Cartridge->AttachStatusBar(Status);
  }
  void Post(TOperationKind kind, std::string text = "") {
    Cartridge->PostOperation({kind, std::move(text)});
  }
  std::string Posted(TOperationKind kind, std::string text = "") {
    Post(kind, std::move(text));
    return Cartridge->GetKeyString();
  }

  TAppIni Settings;
  TRecordingOutput Output;
  TCandidateListModel List;
  TPlainStatusBar Status;
  std::unique_ptr<TTestCartridge> Cartridge;
};

TEST_F(CartridgeTest, LettersAppendTheFirstHalfWidthKanaAndShowIt) {
  List.SetItems({"候補"});
  EXPECT_EQ(Posted(opKey, "か"), "ｶ");
  EXPECT_EQ(Status.Text(), "ｶ");
  EXPECT_EQ(List.Count(), 0);
  EXPECT_EQ(Posted(opKey, "ABC"), "ｶA");
  EXPECT_EQ(Posted(opKey, "@/あ"), "ｶA@");
  EXPECT_EQ(Posted(opSyllable, "ｷ"), "ｶA@ｷ");
  EXPECT_EQ(Posted(opSyllable, "が"), "ｶA@ｷｶ");  // the voicing mark is a letter of its own
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls(),
            (TStringList{"key か", "key ABC", "key @/あ", "syllable ｷ", "syllable が"}));
}

TEST_F(CartridgeTest, VowelReplacesTheLastLetterOrStartsTheKeyString) {
  EXPECT_EQ(Posted(opVowel, "い"), "ｲ");
  Post(opKey, "か");
  EXPECT_EQ(Posted(opVowel, "き"), "ｲｷ");
}

TEST_F(CartridgeTest, BackDropsOneLetterAndUndoesAccumulate) {
  EXPECT_EQ(Posted(opBack), "");
  Post(opKey, "か");
  Post(opKey, "さ");
  Cartridge->Accumulate();
  EXPECT_EQ(Cartridge->GetKeyString(), "/");
  EXPECT_EQ(Posted(opBack), "ｶｻ");
  EXPECT_EQ(Posted(opBack), "ｶ");
  EXPECT_EQ(Posted(opBack), "");
  EXPECT_EQ(Posted(opBack), "");
  // The saved key string is spent: a back on a bare "/" gives nothing back.
  Cartridge->Accumulate();
  Cartridge->Accumulate();
  EXPECT_EQ(Posted(opBack), "/");
  EXPECT_EQ(Posted(opBack), "");
}

TEST_F(CartridgeTest, DeadEndStopsLettersUntilBackOrClear) {
  Post(opKey, "か");
  Cartridge->MarkDeadEnd();
  EXPECT_EQ(Posted(opKey, "さ"), "ｶ");
  EXPECT_EQ(Posted(opVowel, "き"), "ｶ");
  EXPECT_EQ(Posted(opBack), "");
  EXPECT_EQ(Posted(opKey, "た"), "ﾀ");
  Cartridge->MarkDeadEnd();
  EXPECT_EQ(Posted(opClear), "");
  EXPECT_EQ(Posted(opKey, "な"), "ﾅ");
  Cartridge->WaitUntilIdle();
  // Ignored letters still reach the worker.
  EXPECT_EQ(Cartridge->Calls(),
            (TStringList{"key か", "key さ", "vowel き", "back", "key た", "clear", "key な"}));
}

TEST_F(CartridgeTest, IdleAndKeyCommandsLeaveKeyStringAndControlsAlone) {
  Post(opKey, "か");
  Cartridge->WaitUntilIdle();
  List.SetItems({"蚊"});
  Status.SetText("ｶ");
  EXPECT_EQ(Posted(opIdle), "ｶ");
  EXPECT_EQ(Posted(opVowel, "改行"), "ｶ");
  EXPECT_EQ(Posted(opVowel, "tab"), "ｶ");
  EXPECT_EQ(Status.Text(), "ｶ");
  EXPECT_EQ(List.Items(), TStringList{"蚊"});
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls(), (TStringList{"key か", "idle"}));
  EXPECT_EQ(Output.Calls(), (TStringList{"press 13", "press 9"}));
}

TEST_F(CartridgeTest, KeyCommandsNeedAMatchingSubButton) {
  EXPECT_TRUE(Cartridge->IsKeyCommand("TAB"));
  EXPECT_FALSE(Cartridge->IsKeyCommand(""));
  EXPECT_FALSE(Cartridge->IsKeyCommand(" "));  // the padding buttons
  EXPECT_FALSE(Cartridge->IsKeyCommand("あ"));
  Cartridge->SendKeyCommand("あ");
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(CartridgeTest, QueuedClearKeepsTheKeysPostedAfterItDirectClearEmpties) {
  Post(opKey, "wait");
  Cartridge->WaitForStart();
  Post(opClear);
  Post(opKey, "か");
  Cartridge->Release();
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->GetKeyString(), "ｶ");
  EXPECT_EQ(Status.Text(), "ｶ");

  Cartridge->MarkDeadEnd();
  Cartridge->Clear();
  EXPECT_EQ(Cartridge->GetKeyString(), "");
  EXPECT_EQ(Status.Text(), "");
  EXPECT_EQ(Posted(opKey, "さ"), "ｻ");
}

TEST_F(CartridgeTest, NextKeyLayoutCyclesKeysOrGridByMode) {
  std::vector<int> seen;
  for (int step = 0; step < 4; ++step) {
    seen.push_back(Cartridge->LayoutIndex);
    Cartridge->NextKeyLayout();
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(Cartridge->GetKeyLabels(), TStringList(12, "b"));
  EXPECT_EQ(Cartridge->GridIndex, 0);

  Settings.Use50Key = true;
  Cartridge->NextKeyLayout();
  EXPECT_EQ(Cartridge->GetGridLetters(), "ABC");
  Cartridge->NextKeyLayout();
  EXPECT_EQ(Cartridge->GetGridLetters(), "ｱｲｳ");
  EXPECT_EQ(Cartridge->LayoutIndex, 1);
}

TEST_F(CartridgeTest, StartUpLayoutOutOfRangeStartsAtTheFirstSet) {
  Cartridge->SetStartUpLayout(2);
  EXPECT_EQ(Cartridge->LayoutIndex, 2);
  EXPECT_EQ(Cartridge->GridIndex, 0);  // two grid strings only
  Cartridge->SetStartUpLayout(7);
  EXPECT_EQ(Cartridge->GetKeyLabels(), TStringList(12, "a"));
  EXPECT_EQ(Cartridge->GetGridLetters(), "ｱｲｳ");
}

TEST_F(CartridgeTest, StepCountStopsAtTheAccumulateMark) {
  EXPECT_EQ(Cartridge->StepCount(), 0);
  Cartridge->SetKeyLetters({"", "ｶ", "/", "ｻ"});
  EXPECT_EQ(Cartridge->StepCount(), 2);
  Cartridge->SetKeyLetters({"", "ｶ", "ｻ"});
  EXPECT_EQ(Cartridge->StepCount(), 3);
}

TEST_F(CartridgeTest, BackToDepthPostsOneBackPerExtraStep) {
  Cartridge->SetKeyLetters({"", "ｶ", "ｻ", "ﾀ"});
  Cartridge->BackToDepth(4);
  Cartridge->BackToDepth(6);
  Cartridge->BackToDepth(2);
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls(), (TStringList{"back", "back"}));
}

TEST_F(CartridgeTest, AttachShowsStateAndDeactivatingDetaches) {
  Cartridge->PushCandidates({"蚊", "課"});
  Post(opKey, "か");
  Cartridge->WaitUntilIdle();
  TCandidateListModel list;
  TPlainStatusBar status;
  TPlainNamePanel name;
  Cartridge->AttachListBox(list);
  Cartridge->AttachStatusBar(status);
  Cartridge->AttachNamePanel(name);
  EXPECT_EQ(list.Items(), (TStringList{"蚊", "課"}));
  EXPECT_EQ(status.Text(), "ｶ");
  EXPECT_EQ(name.Caption(), "EXT");

  Cartridge->SetActive(false);
  EXPECT_FALSE(Cartridge->IsActive());
  Post(opKey, "さ");
  EXPECT_EQ(status.Text(), "ｶ");
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(CartridgeTest, SaveWhenIdleWaitsForAnIdleWorker) {
  Cartridge->SaveWhenIdle();
  EXPECT_EQ(Cartridge->Saves, 1);
  Post(opKey, "wait");
  Cartridge->WaitForStart();
  Cartridge->SaveWhenIdle();
  EXPECT_EQ(Cartridge->Saves, 1);
  Cartridge->Release();
  Cartridge->WaitUntilIdle();
  Cartridge->SaveWhenIdle();
  EXPECT_EQ(Cartridge->Saves, 2);
}

TEST_F(CartridgeTest, WorkerRunsManyPostsInOrder) {
  TStringList expected;
  for (int i = 0; i < 10000; ++i) {
    std::string text = std::to_string(i);
    Post(i % 2 ? opKey : opSyllable, text);
    expected.push_back((i % 2 ? "key " : "syllable ") + text);
  }
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls(), expected);
}

TEST_F(CartridgeTest, PostsAfterTheWorkerFallsAsleepStillWakeIt) {
  for (int i = 0; i < 2000; ++i) {
    Post(opBack);
    Cartridge->WaitUntilIdle();
  }
  EXPECT_EQ(Cartridge->Calls().size(), 2000u);
}

TEST_F(CartridgeTest, AFailingOperationDoesNotStopTheWorker) {
  Post(opKey, "throw");
  Post(opKey, "か");
  Post(TOperationKind{0});
  Post(TOperationKind{7});
  Post(opBack);
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls(), (TStringList{"key か", "back"}));
}

TEST_F(CartridgeTest, StoppingDuringALongOperationDropsTheQueue) {
  Post(opKey, "wait");  // runs until the abort
  Cartridge->WaitForStart();
  for (int i = 0; i < 1000; ++i) Post(opKey, "か");
  Cartridge->StopWorker();
  EXPECT_TRUE(Cartridge->Calls().size() <= 2u);
  Post(opKey, "か");
  Cartridge->WaitUntilIdle();
  EXPECT_TRUE(Cartridge->Calls().size() <= 2u);
}

TEST_F(CartridgeTest, DestructionDuringALongOperationDoesNotHang) {
  Post(opKey, "wait");
  Cartridge->WaitForStart();
  for (int i = 0; i < 1000; ++i) Post(opKey, "か");
  Cartridge.reset();
  SUCCEED();
}

TEST_F(CartridgeTest, SeveralCartridgesWorkAtOnce) {
  TTestCartridge second(Settings, Output);
  TTestCartridge third(Settings, Output);
  std::thread poster([&] {
    for (int i = 0; i < 500; ++i) second.PostOperation({opKey, "か"});
  });
  for (int i = 0; i < 500; ++i) {
    third.PostOperation({opVowel, "改行"});
    Post(opKey, "さ");
  }
  poster.join();
  for (TTestCartridge* cartridge : {Cartridge.get(), &second, &third}) cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->Calls().size(), 500u);
  EXPECT_EQ(second.Calls().size(), 500u);
  EXPECT_EQ(Output.Calls().size(), 500u);
}

}  // namespace
