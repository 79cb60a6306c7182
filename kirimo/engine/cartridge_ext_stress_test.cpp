// Four cartridges on one large dictionary: their workers take bursts of keys
// and idle prebuilds while the UI thread chooses, long-presses, resets,
// reloads and switches the active cartridge. Run under ThreadSanitizer, this
// is the proof that the workers and the UI thread leave each other alone.
// KIRIMO_STRESS_GESTURES sets the number of gestures (default 400).
#include <cstdlib>
#include <random>
#include <thread>

#include "kirimo/engine/cartridge_ext_fixture.h"

namespace {

// Readings of two to six syllables, in file order as a generator would give them.
void WriteLargeDictionary(const std::filesystem::path& path, int words, unsigned seed) {
  static const char Kana[] = "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
  static const int Types[] = {1, 1, 1, 8, 9, 13, 17, 21, 22, 5, 0};
  std::mt19937 random(seed);
  std::ofstream file(path, std::ios::binary);
  for (int i = 0; i < words; ++i) {
    std::string reading;
    int length = 2 + static_cast<int>(random() % 5);
    for (int j = 0; j < length; ++j) reading += Kana[random() % (sizeof(Kana) - 1)];
    file << reading << ",語" << i << "," << Types[random() % std::size(Types)] << "\r\n";
  }
}

// A count, not a time: a loaded machine runs the same gestures, only slower.
int StressGestures() {
  const char* text = std::getenv("KIRIMO_STRESS_GESTURES");
  int count = text ? std::atoi(text) : 400;
  return count > 0 ? count : 400;
}

using TCartridgeEXTStress = TCartridgeEXTFixture;

TEST_F(TCartridgeEXTStress, FourCartridgesUnderRandomGestures) {
  WriteLargeDictionary(Folder / "large.dic", 40000, 7);
  auto large = std::make_unique<TDictionaryEXT>("大", (Folder / "large.dic").string());
  std::vector<std::unique_ptr<TCartridgeEXT>> cartridges;
  for (int i = 0; i < 4; ++i) {
    auto cartridge = std::make_unique<TCartridgeEXT>(Settings, Output);
    cartridge->SetDictionary(large.get());
    cartridge->SetUserDictionary(User.get());
    std::string history = "h";
    history += std::to_string(i);
    cartridge->LoadHistory((Folder / (history + ".txt")).string(), 5);
    cartridge->SetSymbolList("SYMBOLS");
    cartridges.push_back(std::move(cartridge));
  }
  int active = 0;
  cartridges[0]->SetActive(true);
  cartridges[0]->AttachListBox(List);
  cartridges[0]->AttachStatusBar(Status);

  const char* captions[] = {"あ", "か", "さ", "た", "な",  "は", "ま",
                            "や", "ら", "わ", "ー", "ABC", "0"};
  const char* vowels[] = {"い", "う", "え", "お", "改行"};
  std::mt19937 random(11);
  auto pick = [&random](int count) { return static_cast<int>(random() % count); };
  const int gestureCount = StressGestures();
  for (int gestures = 0; gestures < gestureCount; ++gestures) {
    TCartridgeEXT& current = *cartridges[active];
    switch (pick(16)) {
      case 0:
      case 1:
      case 2:
      case 3: {  // a key to the whole follow group
        std::string caption = captions[pick(std::size(captions))];
        for (auto& cartridge : cartridges) cartridge->PostOperation({opKey, caption});
        break;
      }
      case 4:
        current.PostOperation({opVowel, vowels[pick(std::size(vowels))]});
        break;
      case 5:
        for (auto& cartridge : cartridges) cartridge->PostOperation({opBack, ""});
        break;
      case 6:
        for (auto& cartridge : cartridges) cartridge->PostOperation({opClear, ""});
        break;
      case 7:
        for (auto& cartridge : cartridges) cartridge->PostOperation({opIdle, ""});
        break;
      case 8:
        for (auto& cartridge : cartridges) cartridge->StopIdleWork();
        break;
      case 9:
      case 10: {  // choose, long-press or step forward on what is shown
        int count = List.Count();
        if (count > 0) List.SetSelected(pick(count), true);
        int gesture = pick(4);
        if (gesture == 0) current.Accumulate();
        if (gesture == 1) current.Forward();
        if (gesture == 2 && count > 0) current.SelectCandidate(List.SelectedIndex());
        if (gesture == 3) current.SendSelected();
        break;
      }
      case 11:
        current.ResetIdleWork();
        break;
      case 12:
        if (pick(4) == 0)
          AppendTo(Folder / "base.usr",
                   std::string("ｶﾀﾅ,片名").append(std::to_string(gestures)) + ",1\r\n");
        for (auto& cartridge : cartridges) cartridge->ReloadDictionaries();
        break;
      case 13: {  // switch the active cartridge
        current.SetActive(false);
        active = (active + 1 + pick(3)) % 4;
        cartridges[active]->SetActive(true);
        cartridges[active]->AttachListBox(List);
        cartridges[active]->AttachStatusBar(Status);
        break;
      }
      case 14:
        current.SaveWhenIdle();
        break;
      default:
        std::this_thread::sleep_for(std::chrono::milliseconds(pick(3)));
        break;
    }
  }
  for (auto& cartridge : cartridges) cartridge->WaitUntilIdle();
  // Whatever the gestures left, the shown list is the active cartridge's own.
  cartridges[active]->PostOperation({opClear, ""});
  cartridges[active]->WaitUntilIdle();
  EXPECT_EQ(List.Items(), cartridges[active]->HistorySnapshot());
  // Going away in the middle of a prebuild stops it and saves a changed history.
  cartridges[0]->RecordHistory("最後");
  for (auto& cartridge : cartridges) {
    cartridge->ResetIdleWork();
    cartridge->PostOperation({opIdle, ""});
  }
  cartridges.clear();
  EXPECT_TRUE(ReadFile(Folder / "h0.txt").starts_with("最後\r\n"));
}

}  // namespace
