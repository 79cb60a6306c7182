#pragma once
// The tray program's hub: the splash while the dictionaries load, then a
// hidden window behind the tray icon and its menu, the timers that track the
// target and save, the start of Gleaner, and the exit in order.
#include <memory>
#include <string>

#include "common/win32/handles.h"
#include "common/win32/window_base.h"
#include "kirimo/cartridge_base/target_tracker.h"
#include "kirimo/cartridge_base/win32/win32_output.h"
#include "kirimo/cartridge_base/win32/win32_window_system.h"
#include "kirimo/shell/tray_menu.h"
#include "kirimo/shell/win32/keypad_window.h"
#include "kirimo/shell/win32/tray_icon.h"
#include "kirimo/symbol_lists/clock.h"

class TAppIni;
class TBuilderThread;
class TDictionaryManager;

class TMainForm : public TWindowBase {
 public:
  TMainForm(TAppIni& settings, TKeypadFactory makeKeypad);
  ~TMainForm() override;

  // Shows the splash; the build starts a second later.
  bool Create();

 private:
  enum : UINT_PTR { BuilderTimer = 1, AnimeTimer, ForeWndTimer, SaveTimer };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR timer);
  void OnBuildDone();
  void OnAnimationTick();
  void OnTrayMouse(LPARAM mouseMessage);
  void OnActivateApp(bool active);
  void PaintSplash(HDC dc);

  void ShowKeypad();
  void BringKeypadToFront();
  void PopupMenu();
  // main_form_commands.cpp
  void OnMenuCommand(UINT id);
  void RunCommand(TTrayCommand command);
  void RunModalCommand(TTrayCommand command);
  void RunGleaner();
  void ChooseFont();
  void ChooseScrollSpeed();
  void ShowAbout();
  // main_form_dictionary_dialogs.cpp
  void RegisterWords();
  void EditExtensionDictionaries();
  void Exit();

  TAppIni& Settings;
  TKeypadFactory MakeKeypad;
  TSystemClock Clock;
  TWin32WindowSystem WindowSystem;
  TTargetTracker Tracker{WindowSystem};
  TWin32Output Output;
  std::unique_ptr<TBuilderThread> Builder;
  std::unique_ptr<TDictionaryManager> Manager;
  std::unique_ptr<TKeypadWindow> Keypad;
  TTrayIcon Tray;
  TTrayClicks Clicks;
  TGdiObject SplashFont;
  std::string Message;
  bool Building = false;
  bool DialogOpen = false;
  bool MenuOpen = false;
  bool Exiting = false;
  int FrameIndex = 0;
};
