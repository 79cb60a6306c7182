// kirimo_bench_dictionary [benchmark flags] [DICTIONARY_FILE...]
// Load time, memory and one row's bucket scan for the dictionary files given
// (the base dictionary first), or for a synthetic file of 400,000 lines when
// none is given.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "kirimo/engine/dictionary_ext.h"

namespace {

std::vector<std::string> Files;
constexpr double Megabyte = 1024.0 * 1024.0;

// Resident memory of this process in bytes (Linux; the heap figures are glibc's).
double ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * 4096.0;
}

// Lines like the generated base dictionary's: half-width readings of two to
// eight kana, kanji notations, mostly nouns.
std::string WriteSyntheticDictionary(int lines) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kirimo_bench_synthetic.dic";
  std::ofstream file(path, std::ios::binary);
  unsigned state = 12345;
  auto next = [&state](unsigned range) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) % range;
  };
  const int types[] = {1, 1, 1, 1, 2, 8, 12, 21, 22};
  std::string line;
  for (int i = 0; i < lines; ++i) {
    line.clear();
    for (unsigned k = 2 + next(7); k > 0; --k) {
      line += static_cast<char>(0xB1 + next(45));
      if (next(6) == 0) line += '\xDE';
    }
    line += ',';
    for (unsigned k = 1 + next(4); k > 0; --k) {
      line += static_cast<char>(0x88 + next(0x10));
      line += static_cast<char>(0x9F + next(0x5D));
    }
    line += ',' + std::to_string(types[next(9)]) + "\r\n";
    file << line;
  }
  return path.string();
}

std::vector<std::unique_ptr<TDictionaryEXT>> LoadAll() {
  std::vector<std::unique_ptr<TDictionaryEXT>> dictionaries;
  for (const std::string& file : Files)
    dictionaries.push_back(std::make_unique<TDictionaryEXT>("bench", file));
  return dictionaries;
}

void LoadBase(benchmark::State& state) {
  std::size_t lines = 0;
  for (auto _ : state) {
    auto dictionary = std::make_unique<TDictionaryEXT>("bench", Files.front());
    lines = dictionary->LoadedLines();
    state.PauseTiming();  // freeing is not part of loading
    dictionary.reset();
    state.ResumeTiming();
  }
  state.counters["lines"] = static_cast<double>(lines);
}

void LoadAllDictionaries(benchmark::State& state) {
  for (auto _ : state) {
    auto dictionaries = LoadAll();
    state.PauseTiming();
    dictionaries.clear();
    state.ResumeTiming();
  }
  state.counters["files"] = static_cast<double>(Files.size());
}

// The first key of a row reads five buckets.
void ScanRow(benchmark::State& state) {
  TDictionaryEXT dictionary("bench", Files.front());
  std::size_t words = 0;
  for (auto _ : state) {
    words = 0;
    for (const char* letter : {"ｶ", "ｷ", "ｸ", "ｹ", "ｺ"})
      for (const TWord& word : dictionary.BucketOfKey(letter)) {
        benchmark::DoNotOptimize(word.WordType());
        ++words;
      }
  }
  state.counters["words"] = static_cast<double>(words);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (int i = 1; i < argc; ++i) Files.emplace_back(argv[i]);
  if (Files.empty()) Files.push_back(WriteSyntheticDictionary(400000));
  std::printf("dictionaries:");
  for (const std::string& file : Files) std::printf(" %s", file.c_str());
  std::printf("\n");
  // Memory first, while the heap holds nothing freed that a load could reuse.
  const double residentBefore = ResidentBytes();
  const std::size_t heapBefore = mallinfo2().uordblks;
  {
    auto dictionaries = LoadAll();
    const double resident = ResidentBytes();
    const std::size_t heap = mallinfo2().uordblks;
    std::printf(
        "memory with every dictionary loaded: resident %.1f MB (%.1f MB more than before), heap in "
        "use %.1f MB more\n",
        resident / Megabyte, (resident - residentBefore) / Megabyte,
        static_cast<double>(heap - heapBefore) / Megabyte);
  }
  benchmark::RegisterBenchmark("LoadBase", LoadBase)->Unit(benchmark::kMillisecond)->Iterations(5);
  benchmark::RegisterBenchmark("LoadAllDictionaries", LoadAllDictionaries)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  benchmark::RegisterBenchmark("ScanRowKa", ScanRow)->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
