// Kirimo.exe: the checks before anything is shown, the single instance, then
// the tray program's message loop.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/file_path.h"
#include "common/win32/dpi.h"
#include "common/win32/handles.h"
#include "common/win32/message_loop.h"
#include "common/win32/modal_window.h"
#include "common/win32/program_path.h"
#include "common/win32/ui_dispatcher.h"
#include "common/win32/unexpected_error.h"
#include "common/win32/wide_text.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/shell/program_messages.h"
#include "kirimo/shell/win32/main_form.h"
#include "kirimo/shell/win32/search_form.h"

namespace {

constexpr char Title[] = "Kirimo";

bool FolderExists(const std::string& folder) {
  std::error_code ignored;
  return std::filesystem::is_directory(NativePath(folder), ignored);
}

// The keypad window the tray program shows.
std::unique_ptr<TKeypadWindow> MakeKeypad(const TKeypadServices& services) {
  return std::make_unique<TSearchForm>(services);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  DeclareDpiAware();
  const std::string programPath = ProgramPath();
  const std::string programName = programPath.substr(FolderOf(programPath).size());
  auto settings = std::make_unique<TAppIni>(programPath);
  SetCurrentDirectoryW(ToWide(settings->ProgramFolder).c_str());

  std::string problem = StartupProblem(settings->FileExisted, FolderExists(settings->DicFolder),
                                       ReplaceExtension(programName, ".ini"), programName);
  if (!problem.empty()) {
    ShowMessageBox(nullptr, problem, Title, MB_OK | MB_ICONERROR);
    return 0;
  }

  TKernelHandle mutex(CreateMutexW(nullptr, FALSE, L"NIMBO_Kirimo_Mutex"));
  if (!mutex || WaitForSingleObject(mutex.Get(), 0) == WAIT_TIMEOUT) return 0;

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  SetUnexpectedErrorHandler([](std::string_view message) {
    ShowMessageBox(nullptr, UnexpectedErrorText(message), Title, MB_OK | MB_ICONERROR);
  });

  int exitCode = 1;
  {
    TUiDispatcher dispatcher;
    TMainForm form(*settings, MakeKeypad);
    if (form.Create()) exitCode = RunMessageLoop();
    dispatcher.DrainAndClose();
  }
  settings->SaveOnExit();
  settings.reset();
  ReleaseMutex(mutex.Get());
  return exitCode;
}
