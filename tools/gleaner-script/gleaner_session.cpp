#include "tools/gleaner-script/gleaner_session.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/cp932.h"
#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_path.h"
#include "tools/script_replay/script_line.h"

namespace {

std::string Shown(std::string_view text) { return Cp932ToUtf8(text); }

int Number(const std::string& text) {
  const bool digits =
      !text.empty() && text.size() < 10 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) throw TGleanerScriptError("not a number: " + text);
  return std::stoi(text);
}

// "N rest": the number and the rest.
std::pair<int, std::string> NumberAndText(const std::string& argument) {
  std::size_t space = argument.find(' ');
  std::string rest = space == std::string::npos ? std::string() : argument.substr(space + 1);
  return {Number(argument.substr(0, space)), std::string(TrimBlanks(rest))};
}

}  // namespace

TGleanerSession::TGleanerSession(TGleanerController& controller, std::filesystem::path scriptFolder,
                                 std::string programFolder)
    : Controller(controller),
      ScriptFolder(std::move(scriptFolder)),
      ProgramFolder(std::move(programFolder)),
      Form(controller, ExtractProgress, SaveProgress, DicSelector) {}

bool TGleanerSession::Run(std::string_view line) {
  std::optional<TScriptLine> command = ParseScriptLine(line);
  if (!command) return false;
  ShowUserFile = false;
  ShowMessage = true;
  Command(command->Name, command->Argument);
  return true;
}

std::string TGleanerSession::TextArgument(const std::string& argument) const {
  if (!argument.starts_with("@")) return argument;
  std::ifstream file(ScriptFolder / Cp932ToUtf8(argument.substr(1)), std::ios::binary);
  if (!file) throw TGleanerScriptError("cannot read " + Cp932ToUtf8(argument.substr(1)));
  return Utf8ToCp932(std::string(std::istreambuf_iterator<char>(file), {}));
}

void TGleanerSession::Command(std::string_view name, const std::string& argument) {
  // An input box confirmed with the argument; a missing argument is a blank
  // text. Quotes around it keep the blanks inside as typed.
  const bool quoted = argument.size() >= 2 && argument.front() == '"' && argument.back() == '"';
  const std::optional<std::string> typed =
      quoted ? argument.substr(1, argument.size() - 2) : argument;
  if (name == "extract") {
    Form.ExtractWord(TextArgument(argument));
  } else if (name == "clear") {
    Form.TextClear();
  } else if (name == "select") {
    const int index = Number(argument);
    if (index >= static_cast<int>(Form.NotationItems().size()))
      throw TGleanerScriptError("no notation " + argument);
    Form.NotationClick(index);
  } else if (name == "add-notation") {
    Form.NotationAdd(typed);
  } else if (name == "edit-notation") {
    Form.NotationEdit(typed);
  } else if (name == "delete-notation") {
    if (!argument.empty()) Form.NotationClick(Number(argument));
    Form.NotationDelete();
  } else if (name == "select-reading") {
    Form.ReadingClick(Number(argument));
  } else if (name == "add-reading") {
    Form.ReadingAdd(typed);
  } else if (name == "edit-reading") {
    auto [index, text] = NumberAndText(argument);
    Form.ReadingClick(index);
    Form.ReadingEdit(text);
  } else if (name == "delete-reading") {
    if (!argument.empty()) Form.ReadingClick(Number(argument));
    Form.ReadingDelete();
  } else if (name == "dictionary") {
    if (!DicSelector.Choose(argument))
      throw TGleanerScriptError("no dictionary " + Shown(argument));
    Form.DictionaryChange();
  } else if (name == "save") {
    Form.SaveToDic();
  } else if (name == "user-file") {
    ShowUserFile = true;
  } else if (name == "remove-user-file" || name == "block-user-file") {
    ChangeUserFile(name);
    ShowMessage = false;  // no event of the window: it shows nothing new
  } else {
    throw TGleanerScriptError("unknown command: " + std::string(name));
  }
}

void TGleanerSession::Print(std::ostream& out) const {
  out << "dictionary " << Shown(DicSelector.Text()) << "\n";
  const int entries = static_cast<int>(Controller.GetNotations().size());
  out << "entries " << entries << "\n";
  for (int entry = 0; entry < entries; ++entry) {
    out << (entry == Form.NotationIndex() ? " > " : "   ") << entry << " " << Entry(entry, true)
        << "\n";
  }
  out << "progress " << Progress() << "\n";
  if (ShowMessage && !Form.Message().empty()) out << "message " << ShownMessage() << "\n";
  for (const std::string& line : UserFileLines()) out << "usr " << line << "\n";
}

TScriptFacts TGleanerSession::Facts() const {
  const TStringList& notations = Controller.GetNotations();
  TScriptFacts facts = {{"dictionary", Shown(DicSelector.Text())},
                        {"entries", std::to_string(notations.size())}};
  for (int entry = 0; entry < static_cast<int>(notations.size()); ++entry) {
    facts.push_back({"entry", Entry(entry, false)});
    if (entry != Form.NotationIndex()) continue;
    facts.push_back({"selected", Shown(notations[static_cast<std::size_t>(entry)])});
    const TStringList& readings = Controller.GetReadings(entry);
    const int reading = Form.ReadingIndex();
    if (reading >= 0 && reading < static_cast<int>(readings.size()))
      facts.push_back({"reading", Shown(readings[static_cast<std::size_t>(reading)])});
  }
  facts.push_back({"progress", Progress()});
  if (ShowMessage) facts.push_back({"message", ShownMessage()});
  for (const std::string& line : UserFileLines()) facts.push_back({"usr", line});
  return facts;
}

std::string TGleanerSession::Entry(int entry, bool marked) const {
  const bool selected = marked && entry == Form.NotationIndex();
  std::string text = "[" + std::to_string(int(Controller.GetStatus(entry))) + "] " +
                     Shown(Controller.GetNotations()[static_cast<std::size_t>(entry)]) + ":";
  const TStringList& readings = Controller.GetReadings(entry);
  for (int reading = 0; reading < static_cast<int>(readings.size()); ++reading) {
    text += selected && reading == Form.ReadingIndex() ? " >" : " ";
    text += Shown(readings[static_cast<std::size_t>(reading)]);
  }
  return text;
}

std::string TGleanerSession::Progress() const {
  return std::to_string(ExtractProgress.Position) + "/" + std::to_string(ExtractProgress.Maximum) +
         " " + std::to_string(SaveProgress.Position) + "/" + std::to_string(SaveProgress.Maximum);
}

void TGleanerSession::ChangeUserFile(std::string_view name) {
  const TWordDic* usr = Controller.SelectedUsr();
  if (!usr) throw TGleanerScriptError("no user file chosen");
  const std::filesystem::path path = NativePath(usr->FileName());
  std::filesystem::remove(path);
  // A folder in its place: the file can be neither read, made nor written.
  if (name == "block-user-file") std::filesystem::create_directory(path);
}

std::string TGleanerSession::ShownMessage() const {
  std::string message = Shown(Form.Message());
  const std::string folder = Shown(ProgramFolder);
  for (std::size_t at; !folder.empty() && (at = message.find(folder)) != std::string::npos;)
    message.erase(at, folder.size());
  std::replace(message.begin(), message.end(), '\\', '/');
  return message;
}

TStringList TGleanerSession::UserFileLines() const {
  TStringList lines;
  const TWordDic* usr = ShowUserFile ? Controller.SelectedUsr() : nullptr;
  if (!usr) return lines;
  ForEachLine(ReadWholeFile(usr->FileName()),
              [&](int, std::string_view line) { lines.push_back(Shown(line)); });
  return lines;
}
