#include "tools/script_replay/script_expectation.h"

#include <stdexcept>
#include <tuple>
#include <utility>

#include "common/blank_text.h"

namespace {

// The first word of text and the rest, both without the blanks around them.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
  text = TrimBlanks(text);
  std::size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), TrimBlanks(text.substr(blank))};
}

}  // namespace

std::optional<TScriptExpectation> ParseExpectation(std::string_view line) {
  auto [command, rest] = FirstWord(line);
  if (command != "expect") return std::nullopt;
  TScriptExpectation expectation;
  auto [name, value] = FirstWord(rest);
  if (name == "no") {
    expectation.Absent = true;
    std::tie(name, value) = FirstWord(value);
  }
  if (name.empty()) throw std::invalid_argument("expect needs a name");
  expectation.Name = name;
  if (!value.empty()) expectation.Value = std::string(value);
  return expectation;
}

std::optional<std::string> Unmet(const TScriptExpectation& expectation, const TScriptFacts& facts) {
  std::string shown;  // every value of the name, " | " between them
  bool found = false;
  for (const TScriptFact& fact : facts) {
    if (fact.Name != expectation.Name || fact.Value.empty()) continue;
    shown += (shown.empty() ? "" : " | ") + fact.Value;
    found = found || !expectation.Value || fact.Value == *expectation.Value;
  }
  if (found != expectation.Absent) return std::nullopt;
  if (shown.empty()) return "the state shows no " + expectation.Name;
  return expectation.Name + " reads " + shown;
}
