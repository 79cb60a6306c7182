// Gestures on the UI thread while the worker builds a long step on a
// dictionary of many words of one reading, or of one notation. The worker is
// held at its build probe, inside the step, while the test makes them: they
// return while it waits there, a back step or clear waiting in the queue stops
// the build at its next phrase, and nothing posted is lost.
#include "kirimo/engine/cartridge_ext_fixture.h"
#include "kirimo/engine/worker_gate.h"

namespace {

class TCartridgeEXTBusy : public TCartridgeEXTFixture {
 protected:
  // Enough that a build that went on past a stop would pass its probe far
  // more often than one that stopped; the gate, not the size, makes the
  // steps long.
  static constexpr int WordCount = 2000;

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
    Cartridge = std::make_unique<TCartridgeEXT>(Settings, Output, Gate.Probe());
    Cartridge->SetDictionary(Busy.get());
    Cartridge->SetUserDictionary(BusyUser.get());
    Cartridge->LoadHistory(HistoryPath(), 3);
    Cartridge->SetSymbolList("SYMBOLS");
    Cartridge->SetActive(true);
    Cartridge->AttachListBox(List);
    Cartridge->AttachStatusBar(Status);
  }

  // The cartridge goes before the gate its worker may be held at.
  void TearDown() override {
    Gate.Open();
    Cartridge.reset();
  }

  // The phrases of the first key's whole step; nothing is cached after.
  void CountFirstKey() {
    Key("あ");
    FullCount = Cartridge->TopPhraseCount();
    ClearKey();
    Cartridge->ResetIdleWork();
  }

  // Posts an operation and answers once the worker is held inside its build.
  bool HoldInside(TOperationKind kind, const std::string& text) {
    Gate.Shut();
    Cartridge->PostOperation({kind, text});
    return Gate.WaitUntilHeld();
  }

  // Lets the held worker go and waits until it is idle. Answers the probe
  // calls it made after: how far its build went on.
  int Release() {
    EXPECT_TRUE(Gate.Holding()) << "a gesture waited for the build";
    Gate.Open();
    Cartridge->WaitUntilIdle();
    return Gate.PassesSinceOpen();
  }

  // Every gesture the keypad makes without going through the queue.
  void EveryGesture() {
    Cartridge->StepCount();
    Cartridge->HandlesForward();
    Cartridge->Accumulate();
    Cartridge->Forward();
    Cartridge->SelectCandidate(0);
    Cartridge->GetCandidateList();
  }

  TWorkerGate Gate;
  std::unique_ptr<TDictionaryEXT> Busy;
  std::unique_ptr<TDictionaryEXT> BusyUser;
  std::size_t FullCount = 0;
};

TEST_F(TCartridgeEXTBusy, GesturesDoNotWaitForTheBuild) {
  CountFirstKey();
  ASSERT_TRUE(HoldInside(opKey, "あ"));
  // A click on the list as it was painted before the key.
  List.SetItems(Cartridge->HistorySnapshot());
  List.SetSelected(0, true);
  EveryGesture();
  Release();
  // The gestures had nothing to act on: no output, the key stands.
  EXPECT_TRUE(Output.Calls().empty());
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
  EXPECT_GE(Position("亜0"), 0);
}

TEST_F(TCartridgeEXTBusy, GesturesDoNotWaitForAVowelToNarrowALongList) {
  Key("あ");
  ASSERT_TRUE(HoldInside(opVowel, "あ"));
  EveryGesture();
  Release();
  EXPECT_TRUE(Output.Calls().empty());
  EXPECT_GE(Position("亜0"), 0);
  EXPECT_LT(Position("赤"), 0);  // two keys long: narrowed away at one
}

TEST_F(TCartridgeEXTBusy, ABackStepStopsAVowelNarrowingALongList) {
  Key("あ");
  ASSERT_TRUE(HoldInside(opVowel, "あ"));
  Cartridge->PostOperation({opBack, ""});
  EXPECT_LT(Release(), UnwindingPasses);
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(Cartridge->GetKeyString(), "");
  EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  // The list left half narrowed went with its level.
  Key("あ");
  Vowel("あ");
  EXPECT_GE(Position("亜" + std::to_string(WordCount - 1)), 0);
}

TEST_F(TCartridgeEXTBusy, ALongPressInTheGridLeavesTheVariantsToTheWorker) {
  Settings.Use50Key = true;
  Syllable("ア");
  Select("亜0");
  Gate.Shut();
  Cartridge->Accumulate();
  // The press is back while the worker gathers: the variants open empty.
  ASSERT_TRUE(Gate.WaitUntilHeld());
  EXPECT_EQ(List.Count(), 0);
  Release();
  EXPECT_EQ(List.Items(), (TStringList{"亜0", "亜０", "ｱ", "ア", "あ"}));
  Choose("亜０");
  EXPECT_EQ(Output.Calls(), TStringList{"text 亜０"});
}

// Variants on the third level, whose phrases continue those the second built:
// the worker walks the phrases' chains down through the levels below while a
// clear on the UI thread lets the levels go. Each list keeps alive the one its
// phrases continue.
TEST_F(TCartridgeEXTBusy, AClearWhileTheVariantsAreGatheredFreesNothingTheWorkerReads) {
  Settings.Use50Key = true;
  Syllable("ア");
  Syllable("カ");
  Syllable("サ");
  ASSERT_EQ(Cartridge->StackDepth(), 3);
  ASSERT_GE(Select("赤さ"), 0);
  Gate.Shut();
  Cartridge->Accumulate();
  ASSERT_TRUE(Gate.WaitUntilHeld());
  Cartridge->Clear();
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  // The gather goes on over every phrase of the list it took (its chains
  // read under the address sanitizer), and its late result stays away.
  EXPECT_GE(Release(), 2);
  EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
}

TEST_F(TCartridgeEXTBusy, ABackStepOrClearStopsTheBuild) {
  CountFirstKey();
  for (TOperationKind undo : {opBack, opClear}) {
    ASSERT_TRUE(HoldInside(opKey, "あ"));
    Cartridge->PostOperation({undo, ""});
    EXPECT_LT(Release(), UnwindingPasses) << "undo kind " << int(undo);
    EXPECT_EQ(Cartridge->StackDepth(), 0);
    EXPECT_EQ(Cartridge->GetKeyString(), "");
    EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  }
  // Nothing half-built was kept: the key builds its whole list again.
  Key("あ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
}

TEST_F(TCartridgeEXTBusy, KeysPostedDuringTheBuildAllTakeEffect) {
  ASSERT_TRUE(HoldInside(opKey, "あ"));
  Cartridge->PostOperation({opKey, "か"});
  Cartridge->PostOperation({opKey, "さ"});
  Cartridge->PostOperation({opBack, ""});
  Release();
  // ｱ then ｶ; the back step took only the ｻ.
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱｶ");
  EXPECT_EQ(Cartridge->StackDepth(), 2);
  EXPECT_EQ(Cartridge->StepCount(), 3);
  EXPECT_GE(Position("赤"), 0);
  EXPECT_GE(Position("赤さ"), 0);
}

TEST_F(TCartridgeEXTBusy, AClearOnTheUiThreadDropsTheKeyBeingBuilt) {
  CountFirstKey();
  ASSERT_TRUE(HoldInside(opKey, "あ"));
  Cartridge->Clear();
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  Release();
  // The build's late result does not come back over the cleared state.
  EXPECT_EQ(Cartridge->StackDepth(), 0);
  EXPECT_EQ(List.Items(), Cartridge->HistorySnapshot());
  Key("あ");
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount);
}

TEST_F(TCartridgeEXTBusy, AReloadDuringTheBuildBuildsAgainWithTheNewWords) {
  CountFirstKey();
  AppendTo(Folder / "busy.usr", "ｱｲ,愛\r\n");
  ASSERT_TRUE(HoldInside(opKey, "あ"));
  // The reload lands inside the step: its level pushed, still empty.
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  EXPECT_EQ(Cartridge->TopPhraseCount(), 0u);
  Cartridge->ReloadDictionaries();
  Release();
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  EXPECT_EQ(Cartridge->TopPhraseCount(), FullCount + 1);
}

// Words of many readings, all written 亜 and all one key long (voicing marks
// take no key): a long press on 亜 grows every one.
class TCartridgeEXTBusyPhrase : public TCartridgeEXTBusy {
 protected:
  static constexpr int PhraseWordCount = 300;

  void WriteWords(std::ofstream& file) override {
    for (int i = 0; i < PhraseWordCount; ++i) {
      file << "ｱ";
      for (int bit = 0; bit < 12; ++bit) file << ((i >> bit & 1) ? "ﾟ" : "ﾞ");
      file << ",亜\r\n";
    }
  }

  // A long press on the selected item; answers once the worker is held
  // inside the growth of the phrases.
  bool HoldInsideTheGrowth() {
    Gate.Shut();
    Cartridge->Accumulate();
    return Gate.WaitUntilHeld();
  }
};

TEST_F(TCartridgeEXTBusyPhrase, ALongPressReturnsAtOnceAndTheWorkerGrowsThePhrases) {
  Key("あ");
  LongPress("亜");  // the gate open: the whole growth
  const std::size_t grown = Cartridge->TopPhraseCount();
  EXPECT_GT(grown, static_cast<std::size_t>(PhraseWordCount));
  ClearKey();

  Key("あ");
  Select("亜");
  ASSERT_TRUE(HoldInsideTheGrowth());
  EveryGesture();
  Release();
  EXPECT_EQ(Cartridge->GetKeyString(), "/");
  EXPECT_EQ(Cartridge->TopPhraseCount(), grown);
  EXPECT_EQ(Status.Text(), "文節モード");
  EXPECT_GT(List.Count(), 0);
  EXPECT_TRUE(Output.Calls().empty());
}

TEST_F(TCartridgeEXTBusyPhrase, ABackStepDuringTheGrowthLeavesPhraseModeAtOnce) {
  Key("あ");
  const TStringList firstKey = List.Items();
  int chosen = Select("亜");
  ASSERT_TRUE(HoldInsideTheGrowth());
  Cartridge->PostOperation({opBack, ""});
  EXPECT_LT(Release(), UnwindingPasses);
  EXPECT_EQ(Cartridge->GetKeyString(), "ｱ");
  EXPECT_EQ(Cartridge->StackDepth(), 1);
  // Back at the list the press was made on, with the chosen item selected.
  EXPECT_EQ(List.Items(), firstKey);
  EXPECT_EQ(List.SelectedIndex(), chosen);
}

}  // namespace
