// The tray menu and what its commands do.
#include "common/win32/ui_dispatcher.h"
#include "common/win32/unexpected_error.h"
#include "common/win32/wide_text.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/shell/win32/about_box.h"
#include "kirimo/shell/win32/font_choice.h"
#include "kirimo/shell/win32/foreground.h"
#include "kirimo/shell/win32/input_num_form.h"
#include "kirimo/shell/win32/main_form.h"

namespace {

constexpr UINT MenuIdBase = 100;

UINT MenuId(TTrayCommand command) { return MenuIdBase + static_cast<UINT>(command); }

// A tray dialog open for as long as it lives, however the command ends: the
// tray takes no clicks meanwhile, and the keypad, when given (a dialog of
// ours, modal to it), takes no input and runs no idle work.
class TOpenTrayDialog {
 public:
  TOpenTrayDialog(bool& open, TKeypadWindow* modalTo) : Open(open), Keypad(modalTo) {
    Open = true;
    if (Keypad) Keypad->SetDialogOpen(true);
  }
  ~TOpenTrayDialog() {
    if (Keypad) Keypad->SetDialogOpen(false);
    Open = false;
  }
  TOpenTrayDialog(const TOpenTrayDialog&) = delete;
  TOpenTrayDialog& operator=(const TOpenTrayDialog&) = delete;

 private:
  bool& Open;
  TKeypadWindow* Keypad;
};

TUniqueMenu BuildTrayMenu(const TAppIni& settings) {
  TUniqueMenu menu(CreatePopupMenu());
  for (const TTrayMenuItem& item : TrayMenuItems) {
    if (item.Command == TTrayCommand::Separator) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if ((item.Command == TTrayCommand::Use50Key && settings.Use50Key) ||
        (item.Command == TTrayCommand::CM && settings.CMVisible) ||
        (item.Command == TTrayCommand::Dwell && settings.DwellTime > 0))
      flags |= MF_CHECKED;
    AppendMenuW(menu.Get(), flags, MenuId(item.Command), ToWide(item.Caption).c_str());
  }
  return menu;
}

}  // namespace

void TMainForm::PopupMenu() {
  if (Keypad) Keypad->StopIdle();
  TUniqueMenu menu = BuildTrayMenu(Settings);
  POINT cursor{};
  GetCursorPos(&cursor);
  // The menu closes on a click elsewhere only when its owner is in front; in
  // front of a hung program it still opens (and closes by a choice or Esc).
  BringToForeground(Handle());
  MenuOpen = true;
  TrackPopupMenuEx(menu.Get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, Handle(), nullptr);
  MenuOpen = false;
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TMainForm::OnMenuCommand(UINT id) {
  if (id < MenuIdBase || id >= MenuIdBase + static_cast<UINT>(TTrayCommand::Separator)) return;
  RunCommand(static_cast<TTrayCommand>(id - MenuIdBase));
}

void TMainForm::RunCommand(TTrayCommand command) {
  if (!Keypad || Exiting) return;
  try {
    switch (command) {
      case TTrayCommand::Exit:
        Exit();
        return;
      case TTrayCommand::Use50Key:
        Settings.SetUse50Key(!Settings.Use50Key);
        Keypad->SetGridMode(Settings.Use50Key);
        break;
      case TTrayCommand::CM:
        Settings.SetCMVisible(!Settings.CMVisible);
        Keypad->ShowSponsor(Settings.CMVisible);
        break;
      case TTrayCommand::Dwell:
        Settings.SwitchDwell(Settings.DwellTime == 0);
        Keypad->SetDwellTime(Settings.DwellTime);
        break;
      case TTrayCommand::Show:
        ShowKeypad();
        BringKeypadToFront();
        break;
      case TTrayCommand::Hide:
        Keypad->Hide();
        break;
      default:
        if (IsModalCommand(command)) RunModalCommand(command);
        break;
    }
  } catch (...) {
    ReportCurrentException();
  }
  if (Keypad) Keypad->RestartIdle();
}

void TMainForm::RunModalCommand(TTrayCommand command) {
  // A dialog of ours is modal to the keypad too; Gleaner is a program of its
  // own, which the keypad may type into.
  TOpenTrayDialog open(DialogOpen, command == TTrayCommand::Gleaner ? nullptr : Keypad.get());
  switch (command) {
    case TTrayCommand::About:
      ShowAbout();
      break;
    case TTrayCommand::Font:
      ChooseFont();
      break;
    case TTrayCommand::Speed:
      ChooseScrollSpeed();
      break;
    case TTrayCommand::Gleaner:
      RunGleaner();
      break;
    case TTrayCommand::AddJPWord:
      RegisterWords();
      break;
    case TTrayCommand::ExtDic:
      EditExtensionDictionaries();
      break;
    default:
      break;
  }
}

void TMainForm::ShowAbout() {
  TAboutBox about(Settings.ProgramFolder + "README.txt");
  about.ShowModal(Handle());
}

void TMainForm::ChooseFont() {
  TListFont font = Settings.ListFont;
  if (!ChooseListFont(Handle(), font)) return;
  Settings.ListFont = font;
  Keypad->SetListFont(font);
  Settings.SaveAll();
}

void TMainForm::ChooseScrollSpeed() {
  TInputNumForm dialog;
  dialog.SetValue(Settings.ScrollTime);
  if (dialog.ShowModal(Handle()) != IDOK) return;
  Settings.ScrollTime = dialog.GetValue();
  Keypad->SetScrollInterval(Settings.ScrollTime);
  Settings.SaveAll();
}

// Gleaner writes the user dictionaries; they are reloaded when it ends, or at
// once when it cannot start. This program's windows keep working meanwhile.
void TMainForm::RunGleaner() {
  std::wstring program = ToWide(Settings.ProgramFolder + "Gleaner.exe");
  STARTUPINFOW startup{};
  GetStartupInfoW(&startup);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                     nullptr, nullptr, &startup, &process)) {
    TKernelHandle thread(process.hThread);
    TKernelHandle running(process.hProcess);
    bool quit = false;
    int quitCode = 0;
    while (!quit && MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
                        WAIT_OBJECT_0) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          quit = true;
          quitCode = static_cast<int>(message.wParam);
          break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    if (quit) PostQuitMessage(quitCode);
  }
  if (Keypad) Keypad->ReloadUserDictionaries();
}

// The keypad first (settings, histories, workers), then pending notices, then
// this window with the tray icon and the dictionaries.
void TMainForm::Exit() {
  if (Exiting) return;
  Exiting = true;
  for (UINT_PTR timer : {BuilderTimer, AnimeTimer, ForeWndTimer, SaveTimer})
    KillTimer(Handle(), timer);
  if (Keypad) Keypad->Close();
  Tracker.Stop();
  if (TUiDispatcher* dispatcher = UiDispatcher()) dispatcher->DrainAndClose();
  Keypad.reset();
  DestroyWindow(Handle());
}
