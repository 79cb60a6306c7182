// kirimo_bench_gleaner GLEANER_INI TEXT_FILE
// Gleaner's start-up with the dictionaries its settings name (the generated
// base dictionary when run by scripts/bench-gleaner) and the extraction of a
// long CP932 text: the scanner, the newness tests and the readings, each
// timed, with the heap the dictionaries take; then the readings Gleaner
// proposes where no input method answers, whose index over the dictionaries
// the first extraction after start waits for.
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gleaner/extract_words.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/gleaner_controller.h"
#include "gleaner/plain_views.h"
#include "gleaner/proposing_reading_query.h"
#include "readings/ime_readings.h"
#include "readings/reading_index.h"
#include "readings/reading_index_files.h"

namespace {

using TClock = std::chrono::steady_clock;
constexpr int Runs = 5;

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

const char* Verdict(double ms, double goal) { return ms < goal ? "ok" : "MISSED"; }

// Wraps a query and times it. Synthetic readings stand in for an input
// method where none exists, so that every word is also tested by reading.
class TTimedReadings : public TReadingQuery {
 public:
  TTimedReadings(TReadingQuery& inner, int synthetic) : Inner(inner), Synthetic(synthetic) {}
  TStringList Readings(std::string_view word) override {
    auto start = TClock::now();
    TStringList readings = Inner.Readings(word);
    for (int i = 0; i < Synthetic; ++i)
      readings.push_back(std::string("ｱ").append(std::to_string(i)));
    Milliseconds += MillisecondsSince(start);
    return readings;
  }
  double Milliseconds = 0;

 private:
  TReadingQuery& Inner;
  int Synthetic;
};

struct TSetup {
  explicit TSetup(const std::string& program, TReadingQuery& readings)
      : Settings(program), Controller(Settings, readings) {
    Controller.FillDictionaryChoices(Selector);
  }
  TGleanerAppIni Settings;
  TGleanerController Controller;
  TPlainChoice Selector;
};

void ExtractionRun(const std::string& program, const std::string& text, TReadingQuery& system,
                   int synthetic, double wordsMs) {
  TTimedReadings readings(system, synthetic);
  TSetup setup(program, readings);
  std::vector<double> totals;
  std::vector<double> readingTimes;
  for (int run = 0; run < Runs; ++run) {
    readings.Milliseconds = 0;
    auto start = TClock::now();
    setup.Controller.Extract(text);
    totals.push_back(MillisecondsSince(start));
    readingTimes.push_back(readings.Milliseconds);
  }
  const double total = Median(totals);
  const double readingMs = Median(readingTimes);
  std::printf("extraction, %d synthetic reading(s) a word: %zu entries\n", synthetic,
              setup.Controller.GetNotations().size());
  std::printf("  whole Extract          %9.2f ms  (goal 2000 ms) %s\n", total,
              Verdict(total, 2000));
  std::printf("  readings               %9.2f ms\n", readingMs);
  std::printf("  newness tests          %9.2f ms\n", std::max(0.0, total - wordsMs - readingMs));
}

void ProposerIndexBuild(const std::string& program) {
  const TGleanerAppIni settings(program);
  std::vector<double> builds;
  std::size_t heap = 0;
  std::size_t notations = 0;
  for (int run = 0; run < Runs; ++run) {
    const std::size_t before = HeapInUse();
    auto start = TClock::now();
    TReadingIndex index;
    AddSettingsDictionaries(DictionarySectionsOf(settings), index);
    builds.push_back(MillisecondsSince(start));
    heap = HeapInUse() - before;
    notations = index.NotationCount();
  }
  const double build = Median(builds);
  std::printf("proposer's index: %zu notations  %9.2f ms  (goal 300 ms) %s, heap %zu KB\n",
              notations, build, Verdict(build, 300), heap / 1024);
}

// As the program runs without an input method: the query made at start-up,
// the first extraction after the pause a user takes to paste a text (none: the
// worst case), then the same text again.
void ProposerExtractionRun(const std::string& program, const std::string& text,
                           TReadingSource& inputMethod, std::chrono::milliseconds pause) {
  auto start = TClock::now();
  const TGleanerAppIni settings(program);
  TProposingReadingQuery proposing(inputMethod, settings);
  TTimedReadings readings(proposing, 0);
  TSetup setup(program, readings);
  const double startup = MillisecondsSince(start);
  std::this_thread::sleep_for(pause);
  start = TClock::now();
  setup.Controller.Extract(text);
  const double first = MillisecondsSince(start);
  const double firstReadings = readings.Milliseconds;
  std::vector<double> totals;
  std::vector<double> readingTimes;
  for (int run = 1; run < Runs; ++run) {
    readings.Milliseconds = 0;
    start = TClock::now();
    setup.Controller.Extract(text);
    totals.push_back(MillisecondsSince(start));
    readingTimes.push_back(readings.Milliseconds);
  }
  std::size_t proposed = 0;
  for (int entry = 0; entry < static_cast<int>(setup.Controller.GetNotations().size()); ++entry)
    proposed += setup.Controller.GetReadings(entry).empty() ? 0 : 1;
  std::printf(
      "extraction with proposed readings, %lld ms after start-up: %zu entries, %zu with readings\n",
      static_cast<long long>(pause.count()), setup.Controller.GetNotations().size(), proposed);
  std::printf("  start-up, index beside %9.2f ms  (goal 1000 ms) %s\n", startup,
              Verdict(startup, 1000));
  std::printf("  first                  %9.2f ms  (goal 2000 ms) %s, readings %.2f ms\n", first,
              Verdict(first, 2000), firstReadings);
  std::printf("  later                  %9.2f ms, readings %.2f ms\n", Median(totals),
              Median(readingTimes));
}

// What a scan of every row from the first would cost, measured on a sample of
// words and scaled to all of them.
void LinearScanEstimate(const TWordDic& dic, const TStringList& words) {
  const TWordRows& rows = dic.GetRows();
  const std::size_t sample = std::min<std::size_t>(words.size(), 200);
  auto start = TClock::now();
  int found = 0;
  for (std::size_t w = 0; w < sample; ++w) {
    for (int row = 0; row < rows.Count(); ++row) {
      if (rows.Row(row).Notation == words[w]) {
        ++found;
        break;
      }
    }
  }
  const double ms = MillisecondsSince(start);
  std::printf("linear scan of %d rows: %.2f ms for %zu words (%d found), %.0f ms for all %zu\n",
              rows.Count(), ms, sample, found,
              ms / static_cast<double>(sample) * static_cast<double>(words.size()), words.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kirimo_bench_gleaner GLEANER_INI TEXT_FILE\n");
    return 2;
  }
  std::string program = argv[1];
  program = program.substr(0, program.rfind('.')) + ".exe";
  std::ifstream file(argv[2], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (text.empty()) {
    std::fprintf(stderr, "kirimo_bench_gleaner: no text in %s\n", argv[2]);
    return 2;
  }
  std::unique_ptr<TReadingSource> source = CreateSystemReadingSource();
  TImeReadingQuery system(*source);

  {
    TGleanerAppIni settings(program);
    if (settings.BaseProblem() != TBaseDicProblem::None) {
      std::fprintf(stderr, "kirimo_bench_gleaner: no base dictionary\n");
      return 2;
    }
  }
  std::vector<double> startups;
  std::size_t heap = 0;
  for (int run = 0; run < Runs; ++run) {
    const std::size_t before = HeapInUse();
    auto start = TClock::now();
    TSetup setup(program, system);
    startups.push_back(MillisecondsSince(start));
    heap = HeapInUse() - before;
  }
  const double startup = Median(startups);
  std::printf("text: %zu bytes\n", text.size());
  std::printf("start-up with the base pair   %9.2f ms  (goal 1000 ms) %s\n", startup,
              Verdict(startup, 1000));
  std::printf("heap of settings and dictionaries %zu KB\n", heap / 1024);

  TStringList words;
  std::vector<double> scans;
  for (int run = 0; run < Runs; ++run) {
    auto start = TClock::now();
    words = ExtractWords(text);
    scans.push_back(MillisecondsSince(start));
  }
  const double wordsMs = Median(scans);
  std::printf("ExtractWords: %zu words   %9.2f ms\n", words.size(), wordsMs);

  ExtractionRun(program, text, system, 0, wordsMs);
  ExtractionRun(program, text, system, 2, wordsMs);
  ProposerIndexBuild(program);
  ProposerExtractionRun(program, text, *source, std::chrono::milliseconds(0));
  ProposerExtractionRun(program, text, *source, std::chrono::milliseconds(1000));
  {
    TSetup setup(program, system);
    LinearScanEstimate(*setup.Controller.SelectedDic(), words);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory %ld KB\n", usage.ru_maxrss);
  return 0;
}
