// dicgen IPADIC_FOLDER BASE_FILE PROPER_FILE [--unidic LEX_CSV] [--frequency LIST]
// Writes Kirimo's base dictionary and its proper-noun extension dictionary
// from IPADIC's source CSV files, with UniDic's common nouns IPADIC lacks,
// every kana as a word, ordered by the word frequency list, and prints what
// it took and dropped.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/dicgen/generator.h"

namespace {

constexpr const char* kUsage =
    "usage: dicgen IPADIC_FOLDER BASE_FILE PROPER_FILE [--unidic LEX_CSV] [--frequency LIST]\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  TGenerationSources sources;
  sources.Ipadic = argv[1];
  sources.KanaSyllables = true;
  for (int i = 4; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "--unidic" && i + 1 < argc) {
      sources.UnidicLexicon = argv[++i];
    } else if (option == "--frequency" && i + 1 < argc) {
      sources.Frequency = argv[++i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  try {
    TGenerationReport report = GenerateDictionaries(sources, argv[2], argv[3]);
    std::fputs(FormatReport(report).c_str(), stdout);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "dicgen: %s\n", error.what());
    return 1;
  }
}
