#include "tools/script_replay/script_replay.h"

#include <exception>

#include "common/blank_text.h"

std::optional<std::string> ReplayScript(std::istream& script, const TScriptSteps& steps) {
  bool printed = false;
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = "line " + std::to_string(number) + ": ";
    try {
      if (std::optional<TScriptExpectation> expectation = ParseExpectation(line)) {
        if (!printed) return where + "an expectation before any step";
        if (std::optional<std::string> unmet = Unmet(*expectation, steps.Facts())) {
          return where + std::string(TrimBlanks(line)) + ", but " + *unmet;
        }
      } else if (steps.Run(line)) {
        printed = true;
      }
    } catch (const std::exception& error) {
      return where + error.what();
    }
  }
  return std::nullopt;
}
