// Gleaner.exe: one instance, the dictionaries Kirimo's settings name, then
// the window until it closes. An unexpected error ends the program.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "common/file_path.h"
#include "common/win32/dpi.h"
#include "common/win32/handles.h"
#include "common/win32/message_loop.h"
#include "common/win32/modal_window.h"
#include "common/win32/program_path.h"
#include "common/win32/unexpected_error.h"
#include "common/win32/wide_text.h"
#include "gleaner/gleaner_app_ini.h"
#include "gleaner/gleaner_controller.h"
#include "gleaner/gleaner_messages.h"
#include "gleaner/proposing_reading_query.h"
#include "gleaner/win32/gleaner_form.h"
#include "readings/ime_readings.h"

namespace {

void ShowError(HWND owner, std::string_view error) {
  ShowMessageBox(owner, GleanerErrorText(error), GleanerTitle, MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Held until the process ends; a second start finds it taken and leaves.
  TKernelHandle mutex(CreateMutexW(nullptr, FALSE, L"NIMBO_Gleaner_Mutex"));
  if (!mutex || WaitForSingleObject(mutex.Get(), 0) == WAIT_TIMEOUT) return 0;
  DeclareDpiAware();

  const std::string programPath = ProgramPath();
  SetCurrentDirectoryW(ToWide(FolderOf(programPath)).c_str());
  const TGleanerAppIni settings(programPath);
  if (settings.BaseProblem() != TBaseDicProblem::None) {
    ShowMessageBox(nullptr, settings.BaseProblemMessage(), GleanerTitle, MB_OK | MB_ICONERROR);
    return 0;
  }

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  std::unique_ptr<TReadingSource> source = CreateSystemReadingSource();
  TProposingReadingQuery readings(*source, settings);

  std::unique_ptr<TGleanerForm> form;
  bool ending = false;
  SetUnexpectedErrorHandler([&form, &ending](std::string_view error) {
    if (ending) return;  // one report; the program is on its way out
    ending = true;
    ShowError(form ? form->Handle() : nullptr, error);
    PostQuitMessage(1);
  });
  try {
    form = std::make_unique<TGleanerForm>(std::make_unique<TGleanerController>(settings, readings));
  } catch (...) {
    ShowError(nullptr, CurrentExceptionText());
    return 1;
  }
  if (!form->Create()) return 1;
  const int exitCode = RunMessageLoop();
  SetUnexpectedErrorHandler(nullptr);
  form.reset();
  return ending ? 1 : exitCode;
}
