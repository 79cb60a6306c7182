// kirimo-script [--ini PATH] [--json | --quiet] [--first N] [SCRIPT]
// Drives the keypad model, the real controller and the cartridges from gesture
// lines (a file, or standard input) and prints the keypad after each gesture;
// "expect" lines check what it printed last (tools/script_replay).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "common/cp932.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/revolver_build.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/search_form_controller.h"
#include "kirimo/shell/search_form_controller_view_plain.h"
#include "kirimo/symbol_lists/clock.h"
#include "tools/kirimo-script/script_printer.h"
#include "tools/kirimo-script/script_session.h"
#include "tools/script_replay/script_replay.h"

namespace {

constexpr const char* Usage =
    "usage: kirimo-script [--ini PATH] [--json | --quiet] [--first N] [SCRIPT]";

struct TOptions {
  std::string IniPath = "dist/Kirimo.ini";
  std::string ScriptPath;  // empty: standard input
  TPrintStyle Style = TPrintStyle::Text;
  int FirstItems = 0;  // 0: the whole candidate list
};

int Fail(const std::string& message) {
  std::cerr << "kirimo-script: " << message << "\n";
  return 2;
}

bool ParseOptions(int argc, char** argv, TOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--ini" && i + 1 < argc) {
      options.IniPath = argv[++i];
    } else if (arg == "--json") {
      options.Style = TPrintStyle::Json;
    } else if (arg == "--quiet") {
      options.Style = TPrintStyle::Quiet;
    } else if (arg == "--first" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      options.FirstItems = std::atoi(argv[++i]);
    } else if (!arg.starts_with("--") && options.ScriptPath.empty()) {
      options.ScriptPath = arg;
    } else {
      error = Usage;
      return false;
    }
  }
  return true;
}

// Long candidate lists cost more to print than to build; callers counting
// clicks want only the candidates a user would scroll to.
TKeypadState FirstItemsOnly(TKeypadState state, int count) {
  if (count <= 0 || state.Items.size() <= static_cast<std::size_t>(count)) return state;
  state.Items.resize(static_cast<std::size_t>(count));
  state.Selected.resize(static_cast<std::size_t>(count));
  return state;
}

int RunScript(std::istream& script, const TOptions& options) {
  std::filesystem::path ini = std::filesystem::absolute(options.IniPath);
  // The settings file is the program's path with ".ini".
  TAppIni settings(Utf8ToCp932(ini.replace_extension(".exe").string()));
  TDictionaryManager manager(settings);
  SetDictionaryManager(&manager);
  TRecordingOutput output;
  TSystemClock clock;
  TPlainSearchFormView form;
  int status = 0;
  {
    TSearchFormController controller(
        form, [&] { return CreateRevolver(settings, &manager, output, clock); });
    TScriptSession session(settings, controller, form, output);
    TKeypadState shown;
    auto run = [&](const std::string& line) {
      if (!session.Run(line)) return false;
      shown = FirstItemsOnly(session.State(), options.FirstItems);
      PrintState(std::cout, options.Style, line, shown);
      return true;
    };
    if (std::optional<std::string> failure =
            ReplayScript(script, {run, [&] { return KeypadFacts(shown); }})) {
      std::cout.flush();
      status = Fail(*failure);
    }
  }
  SetDictionaryManager(nullptr);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  TOptions options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) return Fail(error);
  if (!std::filesystem::is_regular_file(options.IniPath)) {
    return Fail("settings file not found: " + options.IniPath);
  }
  try {
    if (options.ScriptPath.empty()) return RunScript(std::cin, options);
    std::ifstream script(options.ScriptPath, std::ios::binary);
    if (!script) return Fail("cannot read script: " + options.ScriptPath);
    return RunScript(script, options);
  } catch (const std::exception& failure) {
    return Fail(failure.what());
  }
}
