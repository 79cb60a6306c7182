// gleaner-script [--ini PATH] [SCRIPT]
// Drives Gleaner's controller as its window does, from event lines (a file,
// or standard input), and prints the window's lists after each line; "expect"
// lines check what it printed last (tools/script_replay).
// --ini names Gleaner's pointer file (default dist/Gleaner.ini). Readings come
// as in the program: the system's input method, then what the dictionaries of
// the settings propose.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "common/cp932.h"
#include "common/file_path.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/gleaner_controller.h"
#include "gleaner/proposing_reading_query.h"
#include "tools/gleaner-script/gleaner_session.h"
#include "tools/script_replay/script_replay.h"

namespace {

constexpr const char* Usage = "usage: gleaner-script [--ini PATH] [SCRIPT]";

struct TOptions {
  std::string IniPath = "dist/Gleaner.ini";
  std::string ScriptPath;  // empty: standard input
};

int Fail(const std::string& message) {
  std::cerr << "gleaner-script: " << message << "\n";
  return 2;
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--ini" && i + 1 < argc) {
      options.IniPath = argv[++i];
    } else if (!arg.starts_with("--") && options.ScriptPath.empty()) {
      options.ScriptPath = arg;
    } else {
      return false;
    }
  }
  return true;
}

int RunScript(std::istream& script, const std::filesystem::path& scriptFolder,
              const TOptions& options) {
  std::filesystem::path ini = std::filesystem::absolute(options.IniPath);
  // The pointer file is the program's path with ".ini".
  const std::string programPath = Utf8ToCp932(ini.replace_extension(".exe").string());
  TGleanerAppIni settings(programPath);
  if (settings.BaseProblem() != TBaseDicProblem::None)
    return Fail(Cp932ToUtf8(settings.BaseProblemMessage()));
  std::unique_ptr<TReadingSource> inputMethod = CreateSystemReadingSource();
  TProposingReadingQuery readings(*inputMethod, settings);
  TGleanerController controller(settings, readings);
  TGleanerSession session(controller, scriptFolder, FolderOf(programPath));
  auto run = [&](const std::string& line) {
    if (!session.Run(line)) return false;
    std::cout << "> " << line << "\n";
    session.Print(std::cout);
    return true;
  };
  if (std::optional<std::string> failure =
          ReplayScript(script, {run, [&] { return session.Facts(); }})) {
    std::cout.flush();
    return Fail(*failure);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  TOptions options;
  if (!ParseOptions(argc, argv, options)) return Fail(Usage);
  try {
    if (options.ScriptPath.empty())
      return RunScript(std::cin, std::filesystem::current_path(), options);
    std::ifstream script(options.ScriptPath, std::ios::binary);
    if (!script) return Fail("cannot read script: " + options.ScriptPath);
    return RunScript(script, std::filesystem::absolute(options.ScriptPath).parent_path(), options);
  } catch (const std::exception& failure) {
    return Fail(failure.what());
  }
}
