#pragma once
// One line of a driver script: a command name and the rest as its argument,
// in CP932. Blank lines and "#" comments are no command.
#include <optional>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "common/dictionary_line.h"

struct TScriptLine {
  std::string_view Name;
  std::string Argument;
};

// line is UTF-8; the name stays a view into it.
inline std::optional<TScriptLine> ParseScriptLine(std::string_view line) {
  std::string_view text = TrimBlanks(line);
  if (text.empty() || text.front() == '#') return std::nullopt;
  std::size_t space = text.find_first_of(" \t");
  std::string argument =
      space == std::string_view::npos ? std::string() : Utf8ToCp932(TrimBlanks(text.substr(space)));
  return TScriptLine{text.substr(0, space), std::move(argument)};
}
