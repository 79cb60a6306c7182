#pragma once
// Gleaner's window driven by lines: each line is the event the window would
// forward, and what the window would show is printed after it.
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "gleaner/gleaner_form_logic.h"
#include "gleaner/plain_views.h"

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

 private:
  void Command(std::string_view name, const std::string& argument);
  std::string TextArgument(const std::string& argument) const;
  void PrintUserFile(std::ostream& out) const;
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
