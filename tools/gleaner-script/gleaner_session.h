#pragma once
// Gleaner's window driven by lines: each line is the event the window would
// forward, and what the window would show is printed after it.
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "gleaner/gleaner_form_logic.h"
#include "gleaner/plain_views.h"
#include "tools/script_replay/script_expectation.h"

// A line that names no command or gives a bad argument.
class TGleanerScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TGleanerSession {
 public:
  // Texts after "@" are files relative to scriptFolder. Paths in messages are
  // printed relative to programFolder (CP932, with its trailing separator),
  // with "/" between their parts, so the output is the same on every machine.
  TGleanerSession(TGleanerController& controller, std::filesystem::path scriptFolder,
                  std::string programFolder);

  // Runs one UTF-8 line; false for a blank line or a comment.
  bool Run(std::string_view line);
  // The window's state in UTF-8: dictionary, entries with their status and
  // readings, selections, progress bars, message.
  void Print(std::ostream& out) const;
  // The same for expectations: dictionary, entries (the count), entry (each
  // as printed, "[1] 山田: ﾔﾏﾀﾞ", without its index and marks), selected (the
  // notation), reading (its selected reading), progress, message and usr.
  TScriptFacts Facts() const;

 private:
  void Command(std::string_view name, const std::string& argument);
  std::string TextArgument(const std::string& argument) const;
  // "[status] notation: readings", the selected reading marked ">" if marked.
  std::string Entry(int entry, bool marked) const;
  std::string Progress() const;
  // The lines of the chosen user file when the line asked for it.
  TStringList UserFileLines() const;
  // What another program or the user does to the chosen user file meanwhile.
  void ChangeUserFile(std::string_view name);
  std::string ShownMessage() const;

  TGleanerController& Controller;
  std::filesystem::path ScriptFolder;
  std::string ProgramFolder;
  TPlainProgress ExtractProgress;
  TPlainProgress SaveProgress;
  TPlainChoice DicSelector;
  TGleanerFormLogic Form;
  bool ShowUserFile = false;
  bool ShowMessage = true;
};
