// Gestures on the UI thread while the worker builds a long step on a
// dictionary of many words of one reading, or of one notation: they return
// at once, a back step or clear stops the build, and nothing posted is lost.
#include <thread>

#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

using TClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class TCartridgeEXTBusy : public TCartridgeEXTFixture {
 protected:
  static constexpr int WordCount = 100000;

  // Many words read ｱ, each written its own way.
  virtual void WriteWords(std::ofstream& file) {
    for (int i = 0; i < WordCount; ++i) file << "ｱ,亜" << i << "\r\n";
  }

  void SetUp() override {
    {
      std::ofstream file(Folder / "busy.dic", std::ios::binary);
      WriteWords(file);
      file << "ｱｶ,赤\r\nｱｶｻ,赤さ\r\n";
    }
    Busy = std::make_unique<TDictionaryEXT>("多", (Folder / "busy.dic").string());
    BusyUser = std::make_unique<TDictionaryEXT>("多Usr", (Folder / "busy.usr").string());
    Cartridge = std::make_unique<TCartridgeEXT>(Settings, Output);
    Cartridge->SetDictionary(Busy.get());
    Cartridge->SetUserDictionary(BusyUser.get());
    Cartridge->LoadHistory(HistoryPath(), 3);
    Cartridge->SetSymbolList("SYMBOLS");
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
    Cartridge->AttachStatusBar(Status);
  }

  // The first key's whole step, from post to idle (nothing cached yet), and
  // the phrases it finds.
  TClock::duration FirstKeyAlone() {
    auto start = TClock::now();
    Key("あ");
    TClock::duration step = TClock::now() - start;
    FullCount = Cartridge->TopPhraseCount();
    ClearKey();
    Cartridge->ResetIdleWork();
    return step;
  }

  // The first key, then the time a vowel takes to narrow its whole list.
  TClock::duration VowelAfterFirstKey() {
    Key("あ");
    auto start = TClock::now();
    Vowel("あ");
    return TClock::now() - start;
  }

  void StartVowel() {
    Cartridge->PostOperation({opVowel, "あ"});
    std::this_thread::sleep_for(milliseconds(5));
  }

  // Starts the first key and gives the worker time to be well inside it.
  void StartFirstKey() {
    Cartridge->PostOperation({opKey, "あ"});
    std::this_thread::sleep_for(milliseconds(20));
  }

  static long long Ms(TClock::duration d) {
    return std::chrono::duration_cast<milliseconds>(d).count();
  }

  template <typename TGesture>
  static TClock::duration Timed(TGesture gesture) {
    auto start = TClock::now();
    gesture();
    return TClock::now() - start;
  }

  // The slowest of the calls that do nothing but read the state under its lock.
  TClock::duration WorstLockWait() {
    return std::max(Timed([&] { Cartridge->StepCount(); }),
                    Timed([&] { Cartridge->HandlesForward(); }));
  }

  // The slowest of the gestures the keypad makes without going through the queue.
  TClock::duration WorstGesture() {
    TClock::duration worst = WorstLockWait();
    worst = std::max(worst, Timed([&] { Cartridge->Accumulate(); }));
    worst = std::max(worst, Timed([&] { Cartridge->Forward(); }));
    worst = std::max(worst, Timed([&] { Cartridge->SelectCandidate(0); }));
    worst = std::max(worst, Timed([&] { Cartridge->GetCandidateList(); }));
    return worst;
  }

  std::unique_ptr<TDictionaryEXT> Busy;
  std::unique_ptr<TDictionaryEXT> BusyUser;
  std::size_t FullCount = 0;
};

TEST_F(TCartridgeEXTBusy, GesturesDoNotWaitForTheBuild) {
  TClock::duration step = FirstKeyAlone();
  // Too short a step on this machine proves nothing either way.
  if (step < milliseconds(100)) GTEST_SKIP() << "the step took only " << Ms(step) << " ms";

  StartFirstKey();
  // A click on the list as it was painted before the key.
  List.SetItems(Cartridge->HistorySnapshot());
  List.SetSelected(0, true);
  TClock::duration worst = WorstGesture();
  Cartridge->WaitUntilIdle();

  EXPECT_LT(worst, step / 4) << "worst gesture " << Ms(worst) << " ms of a step of "
                             << Ms(step) << " ms";
  // The gestures had nothing to act on: no output, the key stands.
  EXPECT_TRUE(Output.Calls().empty());
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
  EXPECT_GE(Position("亜0"), 0);
}

TEST_F(TCartridgeEXTBusy, GesturesDoNotWaitForAVowelToNarrowALongList) {
  TClock::duration step = VowelAfterFirstKey();
  if (step < milliseconds(100)) GTEST_SKIP() << "the vowel took only " << Ms(step) << " ms";

  StartVowel();
  TClock::duration worst = WorstLockWait();
  Cartridge->WaitUntilIdle();
  EXPECT_LT(worst, step / 3) << "worst gesture " << Ms(worst) << " ms of a vowel of "
                             << Ms(step) << " ms";
  EXPECT_TRUE(Output.Calls().empty());
  EXPECT_GE(Position("亜0"), 0);
  EXPECT_LT(Position("赤"), 0);  // two keys long: narrowed away at one
}

TEST_F(TCartridgeEXTBusy, ABackStepStopsAVowelNarrowingALongList) {
  TClock::duration step = VowelAfterFirstKey();
  if (step < milliseconds(100)) GTEST_SKIP() << "the vowel took only " << Ms(step) << " ms";

  StartVowel();
  auto start = TClock::now();
  Cartridge->PostOperation({opBack, ""});
  Cartridge->WaitUntilIdle();
  EXPECT_LT(TClock::now() - start, step / 2);
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(Cartridge->GetKeyString(), "");
  EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  // The list left half narrowed went with its level.
  Key("あ");
  Vowel("あ");
  EXPECT_GE(Position("亜99999"), 0);
}

TEST_F(TCartridgeEXTBusy, ALongPressInTheGridLeavesTheVariantsToTheWorker) {
  Settings.Use50Key = true;
  Syllable("ア");
  Select("亜0");
  auto start = TClock::now();
  Cartridge->Accumulate();
  TClock::duration press = TClock::now() - start;
  Cartridge->WaitUntilIdle();
  TClock::duration whole = TClock::now() - start;
  if (whole < milliseconds(60)) GTEST_SKIP() << "the variants took only " << Ms(whole) << " ms";
  EXPECT_LT(press, whole / 3) << "press " << Ms(press) << " ms of " << Ms(whole) << " ms";
  EXPECT_EQ(List.Items(), (TStringList{"亜0", "亜０", "ｱ", "ア", "あ"}));
  Choose("亜０");
  EXPECT_EQ(Output.Calls(), TStringList{"text 亜０"});
}

TEST_F(TCartridgeEXTBusy, ABackStepOrClearStopsTheBuild) {
  TClock::duration step = FirstKeyAlone();
  if (step < milliseconds(100)) GTEST_SKIP() << "the step took only " << Ms(step) << " ms";

  for (TOperationKind undo : {opBack, opClear}) {
    StartFirstKey();
    auto start = TClock::now();
    Cartridge->PostOperation({undo, ""});
    Cartridge->WaitUntilIdle();
    EXPECT_LT(TClock::now() - start, step / 2)
        << "undo kind " << int(undo) << " of a step of " << Ms(step) << " ms";
    EXPECT_EQ(Cartridge->StackDepth(), 0);
    EXPECT_EQ(Cartridge->GetKeyString(), "");
    EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  }
  // Nothing half-built was kept: the key builds its whole list again.
  Key("あ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
}

TEST_F(TCartridgeEXTBusy, KeysPostedDuringTheBuildAllTakeEffect) {
  StartFirstKey();
  Cartridge->PostOperation({opKey, "か"});
  Cartridge->PostOperation({opKey, "さ"});
  Cartridge->PostOperation({opBack, ""});
  Cartridge->WaitUntilIdle();
  // ｱ then ｶ; the back step took only the ｻ.
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱｶ");
  EXPECT_EQ(Cartridge->StackDepth(), 2);
  EXPECT_EQ(Cartridge->StepCount(), 3);
  EXPECT_GE(Position("赤"), 0);
  EXPECT_GE(Position("赤さ"), 0);
}

TEST_F(TCartridgeEXTBusy, AClearOnTheUiThreadDropsTheKeyBeingBuilt) {
  FirstKeyAlone();
  StartFirstKey();
  Cartridge->Clear();
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  Cartridge->WaitUntilIdle();
  // The build's late result does not come back over the cleared state.
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  Key("あ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
}

TEST_F(TCartridgeEXTBusy, AReloadDuringTheBuildBuildsAgainWithTheNewWords) {
  FirstKeyAlone();
  AppendTo(Folder / "busy.usr", "ｱｲ,愛\r\n");
  Cartridge->PostOperation({opKey, "あ"});
  // The reload must land inside the step: its level pushed, still empty. On a
  // fast machine the step may be over first, which proves nothing either way.
  while (Cartridge->StackDepth() == 0) std::this_thread::yield();
  if (Cartridge->TopPhraseCount() > 0) GTEST_SKIP() << "the step ended before the reload";
  Cartridge->ReloadDictionaries();
  Cartridge->WaitUntilIdle();
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount + 1);
}

// Words of many readings, all written 亜 and all one key long (voicing marks
// take no key): a long press on 亜 grows every one.
class TCartridgeEXTBusyPhrase : public TCartridgeEXTBusy {
 protected:
  void WriteWords(std::ofstream& file) override {
    for (int i = 0; i < 3000; ++i) {
      file << "ｱ";
      for (int bit = 0; bit < 12; ++bit) file << ((i >> bit & 1) ? "ﾟ" : "ﾞ");
      file << ",亜\r\n";
    }
  }

  // The long press on 亜 after the first key, and the time to its list.
  TClock::duration HoldAlone() {
    Key("あ");
    Select("亜");
    auto start = TClock::now();
    Cartridge->Accumulate();
    Cartridge->WaitUntilIdle();
    TClock::duration step = TClock::now() - start;
    HeldCount = Cartridge->TopPhraseCount();
    ClearKey();
    return step;
  }

  std::size_t HeldCount = 0;
};

TEST_F(TCartridgeEXTBusyPhrase, ALongPressReturnsAtOnceAndTheWorkerGrowsThePhrases) {
  TClock::duration step = HoldAlone();
  if (step < milliseconds(100)) GTEST_SKIP() << "the press took only " << Ms(step) << " ms";
  EXPECT_GT(HeldCount, 3000u);

  Key("あ");
  Select("亜");
  TClock::duration press = Timed([&] { Cartridge->Accumulate(); });
  TClock::duration worst = WorstGesture();
  Cartridge->WaitUntilIdle();
  EXPECT_LT(std::max(press, worst), step / 4)
      << "press " << Ms(press) << " ms, worst gesture " << Ms(worst) << " ms of "
      << Ms(step) << " ms";
  EXPECT_EQ(Cartridge->GetKeyString(), "/");
  EXPECT_EQ(Cartridge->TopPhraseCount(), HeldCount);
  EXPECT_EQ(Status.Text(), "文節モード");
  EXPECT_GT(List.Count(), 0);
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(TCartridgeEXTBusyPhrase, ABackStepDuringTheGrowthLeavesPhraseModeAtOnce) {
  TClock::duration step = HoldAlone();
  if (step < milliseconds(100)) GTEST_SKIP() << "the press took only " << Ms(step) << " ms";

  Key("あ");
  const TStringList firstKey = List.Items();
  int chosen = Select("亜");
  Cartridge->Accumulate();
  auto start = TClock::now();
  Cartridge->PostOperation({opBack, ""});
  Cartridge->WaitUntilIdle();
  EXPECT_LT(TClock::now() - start, step / 2);
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱ");
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  // Back at the list the press was made on, with the chosen item selected.
  EXPECT_EQ(List.Items(), firstKey);
  EXPECT_EQ(List.SelectedIndex(), chosen);
}

}  // namespace
