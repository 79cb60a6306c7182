#pragma once
// The loop both drivers run: a script replayed line by line, each line a step
// that prints the state it leaves, or an expectation of the state printed last.
#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "tools/script_replay/script_expectation.h"

struct TScriptSteps {
  // Runs one UTF-8 line and prints the state it leaves; false for a line with
  // no command (blank, or a comment). Throws std::exception for a bad line.
  std::function<bool(const std::string& line)> Run;
  // What the state printed last shows.
  std::function<TScriptFacts()> Facts;
};

// Runs every line of script, a carriage return before its end dropped, until
// one fails: a step that throws, or an expectation its state does not meet.
// Answers why that line failed, "line N: ...", or nothing when none did.
std::optional<std::string> ReplayScript(std::istream& script, const TScriptSteps& steps);
