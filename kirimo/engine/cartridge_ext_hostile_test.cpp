// Dictionaries built to hurt: one word many times over, and many words of one
// reading. Gestures must stay short and the cartridge must go at once.
#include <thread>

#include "kirimo/engine/cartridge_ext_fixture.h"
#include "kirimo/engine/worker_gate.h"

namespace {

class TCartridgeEXTHostile : public TCartridgeEXTFixture {
 protected:
  // A cartridge on a dictionary of count lines made by line(i).
  template <typename TLine>
  std::unique_ptr<TCartridgeEXT> OpenOn(const std::string& name, int count, TLine line,
                                        TCartridgeEXT::TBuildProbe probe = nullptr) {
    {
      std::ofstream file(Folder / name, std::ios::binary);
      for (int i = 0; i < count; ++i) file << line(i) << "\r\n";
    }
    Dictionaries.push_back(std::make_unique<TDictionaryEXT>(name, (Folder / name).string()));
    auto cartridge = std::make_unique<TCartridgeEXT>(Settings, Output, std::move(probe));
    cartridge->SetDictionary(Dictionaries.back().get());
    cartridge->SetActive(true);
    cartridge->AttachListBox(List);
    return cartridge;
  }

  void Post(TCartridgeEXT& cartridge, TOperationKind kind, const std::string& text) {
    cartridge.PostOperation({kind, text});
    cartridge.WaitUntilIdle();
  }

  // Phrases of the top list after a row key and a long press on 亜, and after
  // two grid syllables.
  std::pair<std::size_t, std::size_t> PhrasesAfterGestures(TCartridgeEXT& cartridge) {
    Settings.Use50Key = false;
    Post(cartridge, opKey, "あ");
    List.SetSelected(List.IndexOf("亜"), true);
    cartridge.Accumulate();
    cartridge.WaitUntilIdle();
    std::size_t phraseMode = cartridge.TopPhraseCount();
    Post(cartridge, opClear, "");
    Settings.Use50Key = true;
    Post(cartridge, opSyllable, "ア");
    Post(cartridge, opSyllable, "カ");
    std::size_t grown = cartridge.TopPhraseCount();
    Post(cartridge, opClear, "");
    return {phraseMode, grown};
  }

  std::vector<std::unique_ptr<TDictionaryEXT>> Dictionaries;
};

}  // namespace

TEST_F(TCartridgeEXTHostile, OneWordManyTimesOverGrowsAsOnce) {
  auto once = OpenOn("once.dic", 1, [](int) { return "ｱ,亜"; });
  std::pair<std::size_t, std::size_t> single = PhrasesAfterGestures(*once);
  once.reset();
  auto many = OpenOn("many.dic", 3000, [](int) { return "ｱ,亜"; });
  std::pair<std::size_t, std::size_t> repeated = PhrasesAfterGestures(*many);
  EXPECT_GT(single.first, 1u);
  EXPECT_GT(single.second, 1u);
  EXPECT_EQ(repeated, single);
}

TEST_F(TCartridgeEXTHostile, GoingAwayStopsALongGrowthAtOnce) {
  Settings.Use50Key = true;
  TWorkerGate gate;  // outlives the cartridge held at it
  auto cartridge = OpenOn(
      "one_reading.dic", 2000, [](int i) { return "ｱ,亜" + std::to_string(i); }, gate.Probe());
  Post(*cartridge, opSyllable, "ア");
  // Every one of the words grows by the next syllable: a long step, held inside.
  gate.Shut();
  cartridge->PostOperation({opSyllable, "カ"});
  ASSERT_TRUE(gate.WaitUntilHeld());
  // The worker goes on once the cartridge has asked it to stop.
  TCartridgeEXT* going = cartridge.get();
  std::thread opener([&gate, going] {
    while (!going->AbortRequested) std::this_thread::yield();
    gate.Open();
  });
  cartridge.reset();
  opener.join();
  EXPECT_LT(gate.PassesSinceOpen(), UnwindingPasses);
}
