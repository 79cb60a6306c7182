#include "tools/gleaner-script/gleaner_session.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/cp932.h"
#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_path.h"
#include "tools/script_line.h"

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
  const TStringList& notations = Controller.GetNotations();
  out << "entries " << notations.size() << "\n";
  for (int entry = 0; entry < static_cast<int>(notations.size()); ++entry) {
    const bool selected = entry == Form.NotationIndex();
    out << (selected ? " > " : "   ") << entry << " [" << int(Controller.GetStatus(entry)) << "] "
        << Shown(notations[static_cast<std::size_t>(entry)]) << ":";
    const TStringList& readings = Controller.GetReadings(entry);
    for (int reading = 0; reading < static_cast<int>(readings.size()); ++reading) {
      out << (selected && reading == Form.ReadingIndex() ? " >" : " ")
          << Shown(readings[static_cast<std::size_t>(reading)]);
    }
    out << "\n";
  }
  out << "progress " << ExtractProgress.Position << "/" << ExtractProgress.Maximum << " "
      << SaveProgress.Position << "/" << SaveProgress.Maximum << "\n";
  if (ShowMessage && !Form.Message().empty()) out << "message " << ShownMessage() << "\n";
  if (ShowUserFile) PrintUserFile(out);
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

void TGleanerSession::PrintUserFile(std::ostream& out) const {
  const TWordDic* usr = Controller.SelectedUsr();
  if (!usr) return;
  ForEachLine(ReadWholeFile(usr->FileName()),
              [&](int, std::string_view line) { out << "usr " << Shown(line) << "\n"; });
}
