#pragma once
// Expectation lines of a driver script: what the state printed last shows.
//   expect NAME VALUE     some NAME reads VALUE
//   expect NAME           some NAME is shown, whatever it reads
//   expect no NAME VALUE  no NAME reads VALUE
//   expect no NAME        no NAME is shown
// A driver names what its state shows (keys, status, item, out, ...). A name
// may stand many times, once a candidate or an output operation; one that
// reads nothing is not shown. Everything is UTF-8, as the script is.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TScriptFact {
  std::string Name;
  std::string Value;
};
using TScriptFacts = std::vector<TScriptFact>;

struct TScriptExpectation {
  bool Absent = false;  // "no": NAME, or NAME reading VALUE, is not shown
  std::string Name;
  std::optional<std::string> Value;  // none: any value
};

// The expectation of a line whose first word is "expect"; nothing for any
// other line. Throws std::invalid_argument when the line names nothing.
std::optional<TScriptExpectation> ParseExpectation(std::string_view line);

// Nothing when facts meet the expectation; else what they show instead, such
// as "keys reads ﾊ" or "the state shows no pressed".
std::optional<std::string> Unmet(const TScriptExpectation& expectation, const TScriptFacts& facts);
