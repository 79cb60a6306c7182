// dicgen IPADIC_FOLDER BASE_FILE PROPER_FILE
// Writes Kirimo's base dictionary and its proper-noun extension dictionary
// from IPADIC's source CSV files, and prints what it took and dropped.
#include <cstdio>
#include <exception>

#include "tools/dicgen/generator.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: dicgen IPADIC_FOLDER BASE_FILE PROPER_FILE\n", stderr);
    return 2;
  }
  try {
    TGenerationReport report = GenerateDictionaries(argv[1], argv[2], argv[3]);
    std::fputs(FormatReport(report).c_str(), stdout);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "dicgen: %s\n", error.what());
    return 1;
  }
}
