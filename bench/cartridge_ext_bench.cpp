// kirimo_bench_cartridge [DICTIONARY_FILE]
// The Japanese cartridge's worker time per operation on a real dictionary
// (the generated base dictionary dist/dic/Base.dic by default): the first
// key of every row with an empty and with a filled cache, each later key of
// real words typed key by key in row, syllable and phrase mode, and a whole
// idle prebuild. Prints median, 99th percentile and maximum per group, and
// what the cache holds after a full prebuild.
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/control_views_plain.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary_ext.h"
#include "kirimo/engine/key_letters.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TGroup {
  const char* Name;
  double Target;  // ms
  std::vector<double> Times;
};

void Report(TGroup& group) {
  std::vector<double>& t = group.Times;
  if (t.empty()) {
    std::printf("%-34s no samples\n", group.Name);
    return;
  }
  std::sort(t.begin(), t.end());
  double median = t[t.size() / 2];
  double p99 = t[static_cast<std::size_t>(std::ceil(0.99 * t.size())) - 1];
  std::printf("%-34s n=%5zu  median %8.3f ms  p99 %8.3f ms  max %8.3f ms  %s\n", group.Name,
              t.size(), median, p99, t.back(),
              group.Target <= 0 ? "" : (p99 < group.Target ? "ok" : "MISSED"));
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// The row-key caption that types a key letter.
std::string CaptionOf(char letter) {
  static const char* Captions[] = {"あ",  "か",  "さ",  "た",   "な",  "は",   "ま",
                                   "や",  "ら",  "ー",  "わ",   "@",   "ABC",  "DEF",
                                   "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ", "0"};
  for (const char* caption : Captions) {
    std::string key = KeyLetterOfCaption(caption);
    if (!key.empty() && key[0] == letter) return caption;
  }
  return {};
}

class TBench {
 public:
  TBench(const std::filesystem::path& folder, const std::string& dictionary)
      : Settings((folder / "Kirimo.exe").string()),
        Main("基本", dictionary),
        User("BaseUsr", (folder / "bench.usr").string()),
        Cartridge(Settings, Output) {
    Cartridge.SetDictionary(&Main);
    Cartridge.SetUserDictionary(&User);
    Cartridge.LoadHistory((folder / "history.txt").string(), 100);
    Cartridge.SetActive(true);
    Cartridge.AttachListBox(List);
  }

  double Time(TOperationKind kind, const std::string& text = {}) {
    auto start = TClock::now();
    Cartridge.PostOperation(TOperationMsg{kind, text});
    Cartridge.WaitUntilIdle();
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
  }

  TAppIni Settings;
  TRecordingOutput Output;
  TCandidateListModel List;
  TDictionaryEXT Main;
  TDictionaryEXT User;
  TCartridgeEXT Cartridge;
};

// Words with readings of three to eight kana, spread over the whole dictionary.
std::vector<const TWord*> PickWords(const TDictionaryEXT& dictionary, std::size_t count) {
  std::vector<const TWord*> all;
  for (char letter : TDictionaryEXT::IndexLetters) {
    TBucketView bucket = dictionary.BucketOf(std::string_view(&letter, 1));
    for (const TWord& word : bucket) {
      std::size_t length = word.Reading().size();
      if (length >= 3 && length <= 8) all.push_back(&word);
    }
  }
  std::vector<const TWord*> picked;
  if (all.empty()) return picked;
  std::size_t step = std::max<std::size_t>(1, all.size() / count);
  for (std::size_t i = 0; i < all.size() && picked.size() < count; i += step) {
    picked.push_back(all[i]);
  }
  return picked;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "kirimo_bench_cartridge";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::string dictionary = argc > 1 ? argv[1] : "dist/dic/Base.dic";
  if (!std::filesystem::exists(dictionary)) {
    std::fprintf(stderr, "no dictionary %s: run make run, or name a dictionary file\n",
                 dictionary.c_str());
    return 1;
  }
  std::printf("dictionary: %s\n", dictionary.c_str());
  TBench bench(folder, dictionary);
  std::string_view rows = RowLetters;

  TGroup uncached{"first key, empty cache", 50, {}};
  TGroup cached{"first key, cached", 16, {}};
  for (int round = 0; round < 5; ++round) {
    for (char letter : rows) {
      bench.Cartridge.ResetIdleWork();
      uncached.Times.push_back(bench.Time(opKey, CaptionOf(letter)));
      bench.Time(opClear);
      cached.Times.push_back(bench.Time(opKey, CaptionOf(letter)));
      bench.Time(opClear);
    }
  }

  std::vector<const TWord*> words = PickWords(bench.Main, 240);
  std::printf("words typed: %zu\n", words.size());
  TGroup rowKeys{"later keys, row mode", 16, {}};
  TGroup phraseKeys{"later keys, phrase mode", 16, {}};
  for (const TWord* word : words) {
    std::string key = ToKeyString(word->Reading());
    for (std::size_t i = 0; i < key.size(); ++i) {
      double ms = bench.Time(opKey, CaptionOf(key[i]));
      if (i > 0) rowKeys.Times.push_back(ms);
    }
    // Phrase mode on the first candidate, then では typed after it.
    if (bench.List.Count() > 0) {
      bench.List.SetSelected(0, true);
      bench.Cartridge.Accumulate();
      bench.Cartridge.WaitUntilIdle();
      for (const char* caption : {"た", "は", "あ"})
        phraseKeys.Times.push_back(bench.Time(opKey, caption));
    }
    bench.Time(opClear);
  }

  bench.Settings.Use50Key = true;
  bench.Cartridge.ResetIdleWork();
  TGroup syllableKeys{"later keys, syllable mode", 16, {}};
  for (const TWord* word : words) {
    std::string reading = NormalizeKana(word->Reading());
    for (std::size_t i = 0; i < reading.size(); ++i) {
      double ms = bench.Time(opSyllable, reading.substr(i, 1));
      if (i > 0) syllableKeys.Times.push_back(ms);
    }
    bench.Time(opClear);
  }
  bench.Settings.Use50Key = false;

  TGroup prebuild{"whole idle prebuild (21 rows)", 0, {}};
  std::size_t heapBefore = 0, heapAfter = 0;
  for (int round = 0; round < 3; ++round) {
    bench.Cartridge.ResetIdleWork();
    heapBefore = HeapInUse();
    prebuild.Times.push_back(bench.Time(opIdle));
    heapAfter = HeapInUse();
  }

  for (TGroup* group : {&uncached, &cached, &rowKeys, &syllableKeys, &phraseKeys, &prebuild}) {
    Report(*group);
  }
  std::printf("cache after a full prebuild: %.1f MiB\n",
              static_cast<double>(heapAfter - heapBefore) / (1024.0 * 1024.0));
  return 0;
}
