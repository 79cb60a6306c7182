// kirimo_bench_readings [--misses N] [--seed N] [--sample N] [--tune] [--set WEIGHT=VALUE]...
//                       DICTIONARY_FILE...
// How well readings are proposed for words no dictionary holds: a seeded
// sample of 2,000 nouns of two to six characters with a kanji is taken out of
// the dictionaries, the index is built from the rest, and each word's proposals
// are checked against the readings the dictionaries had for it. Also times the
// index build over the whole files and the proposals per word. --tune searches
// the proposal weights that read the sample best, one weight at a time: run it
// with a seed other than the one the figures are reported on, and on a larger
// sample (--sample) so that the weights fit the words less. Then long words
// (--long N,N,...; 0 for none): the time and the peak heap of one proposal for
// runs of kanji compounds and of one kanji, and for a run beside a huge
// notation in the dictionaries.
#include <malloc.h>
#include <time.h>  // clock_gettime

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <new>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/dictionary_line.h"
#include "readings/reading_index.h"
#include "readings/reading_proposer.h"

// Heap bytes in use and their peak, for what one proposal takes.
std::atomic<std::size_t> HeapBytes{0}, PeakHeapBytes{0};

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  std::size_t now = HeapBytes += malloc_usable_size(block);
  for (std::size_t peak = PeakHeapBytes;
       now > peak && !PeakHeapBytes.compare_exchange_weak(peak, now);) {
  }
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  HeapBytes -= malloc_usable_size(block);
  std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

namespace {

using TClock = std::chrono::steady_clock;
constexpr std::size_t DefaultSampleSize = 2000;
constexpr unsigned DefaultSeed = 20240601;

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// Processor time: the machine may be busy with other work.
double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// The processor time of this thread alone, fine enough for one word.
double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return 1000.0 * static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e6;
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct TLine {
  std::string_view Text;
  std::string_view Reading;
  std::string_view Notation;
  int Type = 0;
};

std::vector<TLine> LinesOf(const std::string& text) {
  std::vector<TLine> lines;
  TLineFields fields;
  TEntryFields entry;
  ForEachLine(text, [&](int, std::string_view line) {
    SplitLineFields(line, fields);
    if (fields.Count == 3 && EntryOfFields(fields, entry))
      lines.push_back({line, entry.Reading, entry.Notation, WordTypeOf(entry.Type)});
  });
  return lines;
}

bool IsSampleNoun(const TLine& line) {
  if (line.Type != 1) return false;
  int characters = 0;
  bool kanji = false;
  ForEachChar(line.Notation, [&](std::string_view c) {
    ++characters;
    kanji = kanji || CharClass(c) == 1;
  });
  return kanji && characters >= 2 && characters <= 6;
}

std::string Shown(std::string_view text) { return Cp932ToUtf8(text); }

using TReadingsOf = std::unordered_map<std::string_view, std::set<std::string_view>>;

// Words read right first, and within three.
std::pair<int, int> Score(const TReadingIndex& index, const TProposalWeights& weights,
                          const std::vector<std::string_view>& nouns, TReadingsOf& readingsOf) {
  TReadingProposer proposer(index, weights);
  int first = 0, three = 0;
  for (std::string_view noun : nouns) {
    TStringList proposals = proposer.Propose(noun);
    const auto& expected = readingsOf[noun];
    for (std::size_t i = 0; i < proposals.size() && i < 3; ++i)
      if (expected.count(proposals[i])) {
        first += i == 0;
        ++three;
        break;
      }
  }
  return {first, three};
}

struct TNamedWeight {
  const char* Name;
  float TProposalWeights::*Field;
};
constexpr TNamedWeight NamedWeights[] = {
    {"Word", &TProposalWeights::Word},
    {"Rank", &TProposalWeights::Rank},
    {"SelfReading", &TProposalWeights::SelfReading},
    {"Voiced", &TProposalWeights::Voiced},
    {"VoicedAfterLink", &TProposalWeights::VoicedAfterLink},
    {"Geminate", &TProposalWeights::Geminate},
    {"Character", &TProposalWeights::Character},
    {"Share", &TProposalWeights::Share},
    {"BareStem", &TProposalWeights::BareStem},
    {"LoneKanji", &TProposalWeights::LoneKanji},
    {"BeforeKana", &TProposalWeights::BeforeKana},
    {"Mixed", &TProposalWeights::Mixed},
    {"Pair", &TProposalWeights::Pair},
    {"SharedReading", &TProposalWeights::SharedReading},
    {"SharedEnds", &TProposalWeights::SharedEnds},
    {"WordPair", &TProposalWeights::WordPair},
    {"SmallKeVoiced", &TProposalWeights::SmallKeVoiced},
    {"KeVoiced", &TProposalWeights::KeVoiced},
    {"Beginning", &TProposalWeights::Beginning},
    {"Ending", &TProposalWeights::Ending},
};

// NAME=VALUE, to try a weight without building again.
void SetWeight(TProposalWeights& weights, std::string_view setting) {
  std::size_t equals = setting.find('=');
  for (const TNamedWeight& named : NamedWeights)
    if (setting.substr(0, equals) == named.Name && equals != std::string_view::npos) {
      weights.*named.Field = std::stof(std::string(setting.substr(equals + 1)));
      return;
    }
  throw std::runtime_error("no such weight: " + std::string(setting));
}

// Coordinate descent on first-proposal plus within-three hits.
void Tune(const TReadingIndex& index, TProposalWeights weights,
          const std::vector<std::string_view>& nouns, TReadingsOf& readingsOf) {
  auto [first, three] = Score(index, weights, nouns, readingsOf);
  int best = first + three;
  std::printf("start: first %d, within three %d\n", first, three);
  for (bool better = true; better;) {
    better = false;
    for (const TNamedWeight& named : NamedWeights) {
      float now = weights.*named.Field;
      for (float tried : {now * 0.5f, now * 0.8f, now * 1.25f, now * 2.0f, now - 1.0f, now + 1.0f,
                          now - 3.0f, now + 3.0f, now - 0.3f, now + 0.3f}) {
        TProposalWeights candidate = weights;
        candidate.*named.Field = tried;
        auto [f, t] = Score(index, candidate, nouns, readingsOf);
        if (f + t > best) {
          best = f + t;
          weights = candidate;
          better = true;
          std::printf("%s = %.2f: first %d, within three %d\n", named.Name, tried, f, t);
        }
      }
    }
  }
  for (const TNamedWeight& named : NamedWeights)
    std::printf("  %s = %.2f\n", named.Name, weights.*named.Field);
}

// Kanji-only compounds of the files, shuffled, run together to the length.
std::string CompoundRun(const std::vector<std::vector<TLine>>& lines, std::size_t characters,
                        unsigned seed) {
  std::vector<std::string_view> compounds;
  for (const auto& fileLines : lines)
    for (const TLine& line : fileLines) {
      bool kanji = line.Notation.size() >= 4;
      ForEachChar(line.Notation, [&](std::string_view c) { kanji = kanji && CharClass(c) == 1; });
      if (kanji) compounds.push_back(line.Notation);
    }
  std::mt19937 random(seed);
  std::shuffle(compounds.begin(), compounds.end(), random);
  std::string run;
  for (std::size_t i = 0; run.size() < 2 * characters; ++i) run += compounds[i % compounds.size()];
  run.resize(2 * characters);
  return run;
}

std::string Repeated(std::string_view character, std::size_t times) {
  std::string run;
  for (std::size_t i = 0; i < times; ++i) run += character;
  return run;
}

// One proposal: processor time and the heap it took at its peak.
void ReportLongWord(const TReadingIndex& index, const char* what, std::string_view word) {
  TReadingProposer proposer(index);
  std::size_t before = HeapBytes;
  PeakHeapBytes = before;
  double start = ThreadCpuMilliseconds();
  TStringList proposals = proposer.Propose(word);
  double ms = ThreadCpuMilliseconds() - start;
  double megabytes = static_cast<double>(PeakHeapBytes - before) / (1024.0 * 1024.0);
  std::printf("  %-32s %6zu characters %9.1f ms %8.1f MB peak heap, %zu proposals\n", what,
              word.size() / 2, ms, megabytes, proposals.size());
}

std::vector<std::size_t> LengthsOf(std::string_view list) {
  std::vector<std::size_t> lengths;
  for (std::size_t pos = 0; pos < list.size();) {
    std::size_t comma = std::min(list.find(',', pos), list.size());
    std::size_t length = std::stoul(std::string(list.substr(pos, comma - pos)));
    if (length > 0) lengths.push_back(length);
    pos = comma + 1;
  }
  return lengths;
}

}  // namespace

int main(int argc, char** argv) {
  int misses = 0;
  bool tune = false;
  TProposalWeights weights;
  unsigned seed = DefaultSeed;
  std::size_t sampleSize = DefaultSampleSize;
  std::vector<const char*> paths;
  std::vector<std::size_t> longLengths = {1000, 10000, 20000, 30000};
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--long" && i + 1 < argc)
      longLengths = LengthsOf(argv[++i]);
    else if (std::string_view(argv[i]) == "--misses" && i + 1 < argc)
      misses = std::atoi(argv[++i]);
    else if (std::string_view(argv[i]) == "--seed" && i + 1 < argc)
      seed = static_cast<unsigned>(std::atol(argv[++i]));
    else if (std::string_view(argv[i]) == "--sample" && i + 1 < argc)
      sampleSize = static_cast<std::size_t>(std::atol(argv[++i]));
    else if (std::string_view(argv[i]) == "--tune")
      tune = true;
    else if (std::string_view(argv[i]) == "--set" && i + 1 < argc)
      SetWeight(weights, argv[++i]);
    else
      paths.push_back(argv[i]);
  }
  if (paths.empty()) {
    std::fprintf(stderr,
                 "usage: kirimo_bench_readings [--misses N] [--seed N] [--sample N] [--tune] "
                 "[--long N,N,...] "
                 "[--set WEIGHT=VALUE]... "
                 "DICTIONARY_FILE...\n");
    return 2;
  }
  std::vector<std::string> texts;
  for (const char* path : paths) texts.push_back(ReadFile(path));

  // The build as the dialogs do it: whole files in, nothing held out.
  double buildMs = 1e9, buildCpuMs = 1e9;
  std::size_t notations = 0;
  for (int round = 0; round < 5; ++round) {
    auto start = TClock::now();
    double cpuStart = CpuMilliseconds();
    TReadingIndex full;
    for (const std::string& text : texts) full.AddDictionaryText(text, true);
    full.Finish();
    buildMs = std::min(buildMs, MillisecondsSince(start));
    buildCpuMs = std::min(buildCpuMs, CpuMilliseconds() - cpuStart);
    notations = full.NotationCount();
  }

  TReadingsOf readingsOf;
  std::vector<std::string_view> nouns;
  std::unordered_map<std::string_view, std::size_t> fileOf;  // where a sampled noun came from
  std::unordered_set<std::string_view> seen;
  std::vector<std::vector<TLine>> lines;
  for (const std::string& text : texts) lines.push_back(LinesOf(text));
  for (std::size_t file = 0; file < lines.size(); ++file)
    for (const TLine& line : lines[file]) {
      readingsOf[line.Notation].insert(line.Reading);
      if (IsSampleNoun(line) && seen.insert(line.Notation).second) {
        nouns.push_back(line.Notation);
        fileOf[line.Notation] = file;
      }
    }
  std::mt19937 random(seed);
  std::shuffle(nouns.begin(), nouns.end(), random);
  nouns.resize(std::min(nouns.size(), sampleSize));
  std::unordered_set<std::string_view> heldOut(nouns.begin(), nouns.end());

  TReadingIndex index;
  for (const auto& fileLines : lines) {
    std::string rest;
    for (const TLine& line : fileLines)
      if (!heldOut.count(line.Notation)) (rest += line.Text) += "\r\n";
    index.AddDictionaryText(std::move(rest), true);
  }
  index.Finish();
  if (tune) {
    Tune(index, weights, nouns, readingsOf);
    return 0;
  }
  TReadingProposer proposer(index, weights);

  int first = 0, three = 0, none = 0, shownMisses = 0;
  std::vector<int> perFile(paths.size()), firstPerFile(paths.size()), threePerFile(paths.size());
  std::vector<double> times;
  std::string_view slowest;
  for (std::string_view noun : nouns) {
    double one = ThreadCpuMilliseconds();
    TStringList proposals = proposer.Propose(noun);
    times.push_back(ThreadCpuMilliseconds() - one);
    if (times.back() >= *std::max_element(times.begin(), times.end())) slowest = noun;
    const auto& expected = readingsOf[noun];
    auto right = [&](std::size_t i) {
      return i < proposals.size() && expected.count(proposals[i]);
    };
    std::size_t file = fileOf[noun];
    ++perFile[file];
    if (proposals.empty()) ++none;
    if (right(0)) ++first, ++firstPerFile[file];
    if (right(0) || right(1) || right(2)) ++three, ++threePerFile[file];
    if (!right(0) && shownMisses < misses) {
      ++shownMisses;
      std::printf("miss %zu %s  expected %s  proposed", file, Shown(noun).c_str(),
                  Shown(*expected.begin()).c_str());
      for (const std::string& p : proposals) std::printf(" %s", Shown(p).c_str());
      std::printf("\n");
    }
  }
  double perWord =
      std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(nouns.size());
  double n = static_cast<double>(nouns.size());
  std::printf(
      "index build        %8.1f ms (%.1f ms processor time) for %zu notations (goal < 300 ms)\n",
      buildMs, buildCpuMs, notations);
  std::printf("held-out nouns     %8zu (seed %u)\n", nouns.size(), seed);
  std::printf("first proposal     %8.1f %% (goal 70 %%)\n", 100.0 * first / n);
  std::printf("within three       %8.1f %% (goal 85 %%)\n", 100.0 * three / n);
  for (std::size_t file = 0; file < paths.size(); ++file)
    if (perFile[file] > 0)
      std::printf("  of them %5d from %s: first %.1f %%, within three %.1f %%\n", perFile[file],
                  paths[file], 100.0 * firstPerFile[file] / perFile[file],
                  100.0 * threePerFile[file] / perFile[file]);
  std::printf("no proposal        %8.1f %%\n", 100.0 * none / n);
  std::sort(times.begin(), times.end());
  std::printf(
      "time per word      %8.3f ms mean, %.3f ms at the 99th percentile, %.3f ms slowest (%s) "
      "(goal < 1 ms)\n",
      perWord, times[times.size() * 99 / 100], times.back(), Shown(slowest).c_str());

  if (longLengths.empty()) return 0;
  TReadingIndex full;
  for (const std::string& text : texts) full.AddDictionaryText(text, true);
  full.Finish();
  std::printf("long words, all the dictionaries (goal at 20,000 characters < 1 s, < 50 MB):\n");
  for (std::size_t length : longLengths) {
    ReportLongWord(full, "kanji compounds run together", CompoundRun(lines, length, seed));
    ReportLongWord(full, "one kanji repeated", Repeated("字", length));
  }
  // A user file may hold a notation of any length: it must not slow other words.
  TReadingIndex withHuge;
  for (const std::string& text : texts) withHuge.AddDictionaryText(text, true);
  withHuge.AddDictionaryText("ｼﾞ," + Repeated("字", 60000) + ",001\r\n", false);
  withHuge.Finish();
  std::printf("beside a notation of 120 KB in a user file:\n");
  ReportLongWord(withHuge, "kanji compounds run together", CompoundRun(lines, 1000, seed));
  ReportLongWord(withHuge, "one kanji repeated", Repeated("字", 1000));
  return 0;
}
