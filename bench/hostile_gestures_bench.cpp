// kirimo_bench_hostile [WORDS] [LABELS]
// Gestures on hostile files: a dictionary of WORDS words (default 1,000,000)
// all read ｱ and written 亜, another of as many words read ｱ with as many
// notations, and a virtual-key dictionary of LABELS names (default 100,000)
// that all begin with A. For each gesture it prints the time the UI thread
// spent in the call (waiting for the worker's lock included), the processor
// time it used in that call (what the call costs on a machine busy with other
// work), and the worker's time after it, then the worst UI-thread gesture.
// The gestures made while the worker builds a long step are timed alone, as a
// user clicking on a keypad that is busy would feel them; so are the back step
// or clear that stops such a step, and the keypad closing in the middle of one.
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "common/cp932.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/modes/cartridge_vk.h"
#include "kirimo/modes/dictionary_vk.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// The calling thread's processor time: what it did, whatever else ran on the machine.
double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct TWorst {
  double Ms = 0;
  std::string Gesture;
  void Report(const std::string& gesture, double ui, double uiWork, double worker) {
    // Gestures are CP932 like every text here; the terminal reads UTF-8.
    std::printf("%-40s UI %10.1f ms (working %8.1f ms)   worker %10.1f ms\n",
                Cp932ToUtf8(gesture).c_str(), ui, uiWork, worker);
    std::fflush(stdout);
    if (ui > Ms) {
      Ms = ui;
      Gesture = gesture;
    }
  }
};

template <typename TCall>
void TimeGesture(TWorst& worst, const std::string& gesture, TCartridge& cartridge, TCall call) {
  auto start = TClock::now();
  double work = ThreadMilliseconds();
  call();
  double ui = MillisecondsSince(start);
  work = ThreadMilliseconds() - work;
  start = TClock::now();
  cartridge.WaitUntilIdle();
  worst.Report(gesture, ui, work, MillisecondsSince(start));
}

template <typename TCall>
void TimeWhileBusy(TWorst& worst, const std::string& gesture, TCall call) {
  auto start = TClock::now();
  double work = ThreadMilliseconds();
  call();
  double ui = MillisecondsSince(start);
  worst.Report(gesture, ui, ThreadMilliseconds() - work, 0);
}

// Counts the worker's passes between two phrases of its long loops, so that
// a gesture "during" a step is made once the worker is inside it.
class TWorkerProgress {
 public:
  TCartridgeEXT::TBuildProbe Probe() {
    return [this] { ++Passes; };
  }
  // Posts msg and returns once the worker is inside the work it starts.
  void PostAndWaitInside(TCartridge& cartridge, TOperationMsg msg) {
    long before = Passes;
    cartridge.PostOperation(std::move(msg));
    while (Passes == before) std::this_thread::yield();
  }

 private:
  std::atomic<long> Passes{0};
};

void WriteSameReadingDictionary(const std::filesystem::path& path, long words, bool numbered) {
  std::ofstream file(path, std::ios::binary);
  for (long i = 0; i < words; ++i) {
    file << "ｱ,亜";
    if (numbered) file << i;
    file << "\r\n";
  }
}

void WriteManyNames(const std::filesystem::path& path, long labels) {
  std::mt19937 random(5);
  std::ofstream file(path, std::ios::binary);
  file << "VK_SHIFT=Shift\r\n";
  for (long i = 0; i < labels; ++i) {
    std::string label = "A";
    int length = 3 + static_cast<int>(random() % 10);
    for (int j = 0; j < length; ++j) label += static_cast<char>('a' + random() % 26);
    file << "VK_F" << (1 + i % 12) << "=" << label << "\r\n";
  }
}

void SelectText(TCandidateListModel& list, const std::string& text) {
  int index = list.IndexOf(text);
  if (index >= 0) {
    list.SetSelected(index, true);
    list.SetItemIndex(index);
  }
}

// Posts the step, then every gesture the keypad may send while the worker is
// in the middle of it, then the back step or clear that must stop it.
void GesturesWhileBusy(TWorst& worst, TWorkerProgress& progress, TCartridgeEXT& cartridge,
                       TCandidateListModel& list, const TOperationMsg& step,
                       const std::string& name, TOperationKind undo) {
  progress.PostAndWaitInside(cartridge, step);
  const std::string during = " during " + name;
  TimeWhileBusy(worst, "step count" + during, [&] { cartridge.StepCount(); });
  TimeWhileBusy(worst, "forward query" + during, [&] { cartridge.HandlesForward(); });
  list.SetSelected(0, true);
  TimeWhileBusy(worst, "hold" + during, [&] { cartridge.Accumulate(); });
  TimeWhileBusy(worst, "forward" + during, [&] { cartridge.Forward(); });
  TimeWhileBusy(worst, "click" + during, [&] { cartridge.SelectCandidate(0); });
  TimeWhileBusy(worst, "candidates" + during, [&] { cartridge.GetCandidateList(); });
  TimeGesture(worst, (undo == opBack ? "back" : "clear") + during + ", to idle", cartridge, [&] {
    cartridge.PostOperation({undo, ""});
  });
}

void BusyWorkerGestures(const std::filesystem::path& folder, long words, TWorst& worst) {
  TAppIni settings((folder / "Kirimo.exe").string());
  TRecordingOutput output;
  TCandidateListModel list;
  TDictionaryEXT main("基本", (folder / "many_notations.dic").string());
  TWorkerProgress progress;
  TCartridgeEXT cartridge(settings, output, progress.Probe());
  cartridge.SetDictionary(&main);
  cartridge.SetActive(true);
  cartridge.AttachListBox(list);
  std::printf("%ld words of one reading and as many notations:\n", words);

  GesturesWhileBusy(worst, progress, cartridge, list, {opKey, "あ"}, "first key あ", opBack);
  GesturesWhileBusy(worst, progress, cartridge, list, {opKey, "あ"}, "first key あ", opClear);
  TimeGesture(worst, "row key あ (alone)", cartridge, [&] {
    cartridge.PostOperation({opKey, "あ"});
  });
  // What showing a list of every notation costs whoever holds the list box.
  TStringList shown = cartridge.GetCandidateList();
  std::printf("%zu candidates shown\n", shown.size());
  TimeWhileBusy(worst, "list box filled with them", [&] { list.SetItems(shown); });
  TimeGesture(worst, "forward to the next initial", cartridge, [&] { cartridge.Forward(); });
  GesturesWhileBusy(worst, progress, cartridge, list, {opVowel, "あ"}, "vowel あ", opBack);
  TimeGesture(worst, "clear", cartridge, [&] { cartridge.PostOperation({opClear, ""}); });
  TimeGesture(worst, "row key あ (cached)", cartridge, [&] {
    cartridge.PostOperation({opKey, "あ"});
  });
  SelectText(list, "亜0");
  TimeGesture(worst, "hold 亜0 (phrase mode)", cartridge, [&] { cartridge.Accumulate(); });
  TimeGesture(worst, "clear", cartridge, [&] { cartridge.PostOperation({opClear, ""}); });

  settings.Use50Key = true;
  cartridge.ResetIdleWork();
  TimeGesture(worst, "grid ア", cartridge, [&] { cartridge.PostOperation({opSyllable, "ア"}); });
  SelectText(list, "亜0");
  TimeGesture(worst, "hold 亜0 (variants)", cartridge, [&] { cartridge.Accumulate(); });
  TimeGesture(worst, "back", cartridge, [&] { cartridge.PostOperation({opBack, ""}); });
  // Every one of the phrases grows by the next syllable.
  GesturesWhileBusy(worst, progress, cartridge, list, {opSyllable, "カ"}, "grid カ", opClear);
}

void JapaneseGestures(const std::filesystem::path& folder, long words, TWorst& worst) {
  TAppIni settings((folder / "Kirimo.exe").string());
  TRecordingOutput output;
  TCandidateListModel list;
  auto start = TClock::now();
  TDictionaryEXT main("基本", (folder / "same_reading.dic").string());
  TDictionaryEXT user("BaseUsr", (folder / "same_reading.usr").string());
  std::printf("dictionary of %ld words read in %.0f ms\n", words, MillisecondsSince(start));
  TWorkerProgress progress;
  TCartridgeEXT cartridge(settings, output, progress.Probe());
  cartridge.SetDictionary(&main);
  cartridge.SetUserDictionary(&user);
  cartridge.LoadHistory((folder / "history.txt").string(), 100);
  cartridge.SetActive(true);
  cartridge.AttachListBox(list);

  TimeGesture(worst, "row key あ", cartridge, [&] { cartridge.PostOperation({opKey, "あ"}); });
  SelectText(list, "亜");
  TimeGesture(worst, "hold 亜 (phrase mode)", cartridge, [&] { cartridge.Accumulate(); });
  TimeGesture(worst, "row key か in phrase mode", cartridge, [&] {
    cartridge.PostOperation({opKey, "か"});
  });
  TimeGesture(worst, "clear", cartridge, [&] { cartridge.PostOperation({opClear, ""}); });

  settings.Use50Key = true;
  cartridge.ResetIdleWork();
  TimeGesture(worst, "grid ア", cartridge, [&] { cartridge.PostOperation({opSyllable, "ア"}); });
  // A click on the list while the worker grows every phrase by the next syllable.
  start = TClock::now();
  progress.PostAndWaitInside(cartridge, {opSyllable, "カ"});
  TimeGesture(worst, "grid カ, then a list click at once", cartridge, [&] { cartridge.Forward(); });
  std::printf("%-40s whole gesture %.1f ms\n", "", MillisecondsSince(start));
  TimeGesture(worst, "clear", cartridge, [&] { cartridge.PostOperation({opClear, ""}); });
}

// The keypad closes while the worker grows every phrase by the next syllable:
// the worker stops at its next phrase and the history is saved.
void GoingAwayWhileBusy(const std::filesystem::path& folder, TWorst& worst) {
  TAppIni settings((folder / "Kirimo.exe").string());
  settings.Use50Key = true;
  TRecordingOutput output;
  TCandidateListModel list;
  TDictionaryEXT main("基本", (folder / "same_reading.dic").string());
  TWorkerProgress progress;
  auto cartridge = std::make_unique<TCartridgeEXT>(settings, output, progress.Probe());
  cartridge->SetDictionary(&main);
  cartridge->LoadHistory((folder / "history.txt").string(), 100);
  cartridge->SetActive(true);
  cartridge->AttachListBox(list);
  cartridge->PostOperation({opSyllable, "ア"});
  cartridge->WaitUntilIdle();
  progress.PostAndWaitInside(*cartridge, {opSyllable, "カ"});
  TimeWhileBusy(worst, "going away during grid カ", [&] { cartridge.reset(); });
}

void VirtualKeyGestures(const std::filesystem::path& folder, TWorst& worst) {
  TAppIni settings((folder / "Kirimo.exe").string());
  TRecordingOutput output;
  TCandidateListModel list;
  TDictionaryVK keys("VK", (folder / "many_names.dic").string());
  TCartridgeVK cartridge(settings, output);
  auto start = TClock::now();
  cartridge.SetDictionary(&keys);
  std::printf("virtual-key dictionary of %zu labels set in %.0f ms\n", keys.GetLabels().size(),
              MillisecondsSince(start));
  cartridge.SetActive(true);
  cartridge.AttachListBox(list);
  for (const char* caption : {"ABC", "ABC", "MNO"}) {
    TimeGesture(worst, std::string("virtual-key key ") + caption, cartridge,
                [&] { cartridge.InputKey(caption); });
  }
  TimeGesture(worst, "virtual-key back", cartridge, [&] { cartridge.Back(); });
  TimeGesture(worst, "virtual-key clear", cartridge, [&] { cartridge.Clear(); });
  TimeGesture(worst, "virtual-key grid A", cartridge, [&] { cartridge.InputSyllable("A"); });
}

}  // namespace

int main(int argc, char** argv) {
  long words = argc > 1 ? std::atol(argv[1]) : 1000000;
  long labels = argc > 2 ? std::atol(argv[2]) : 100000;
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "kirimo_bench_hostile";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  WriteSameReadingDictionary(folder / "same_reading.dic", words, false);
  WriteSameReadingDictionary(folder / "many_notations.dic", words, true);
  WriteManyNames(folder / "many_names.dic", labels);

  TWorst worst;
  VirtualKeyGestures(folder, worst);
  JapaneseGestures(folder, words, worst);
  BusyWorkerGestures(folder, words, worst);
  GoingAwayWhileBusy(folder, worst);
  std::printf("worst UI-thread gesture: %.1f ms (%s)\n", worst.Ms,
              Cp932ToUtf8(worst.Gesture).c_str());
  std::filesystem::remove_all(folder);
  return 0;
}
