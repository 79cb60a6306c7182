#pragma once
// What the tray program asks of the keypad window. The program makes its
// keypad through a factory, so the window class can change without the tray
// program noticing.
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "kirimo/shell/search_form_controller.h"

class TAppIni;
struct TListFont;

class TKeypadWindow {
 public:
  virtual ~TKeypadWindow() = default;

  virtual HWND Handle() const = 0;
  virtual bool IsShowing() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Enabled while this program is active (move, size), disabled otherwise so
  // that clicking it never takes the activation from the target.
  virtual void SetKeypadEnabled(bool formEnabled) = 0;
  virtual void SetGridMode(bool use50) = 0;
  virtual void ShowSponsor(bool visible) = 0;
  virtual void ReloadUserDictionaries() = 0;
  virtual void RebuildCartridges() = 0;
  // Every 5 s: histories, geometry and, when changed, the settings file.
  virtual void SaveTick() = 0;
  virtual void StopIdle() = 0;
  virtual void RestartIdle() = 0;
  // A modal dialog of the tray menu opens or closes: meanwhile the keypad
  // takes no input and starts no idle work.
  virtual void SetDialogOpen(bool open) = 0;
  // Above every other window again, on screen too (see the window's note).
  virtual void KeepOnTop() = 0;
  virtual void SetListFont(const TListFont& font) = 0;
  virtual void SetScrollInterval(int milliseconds) = 0;
  // Dwell on (milliseconds) or off (0); the tolerance comes from the settings.
  virtual void SetDwellTime(int milliseconds) = 0;
  // A short status text (CP932), for example when text could not be delivered.
  virtual void ShowStatus(std::string_view text) = 0;
  // At exit: geometry and the whole settings file saved, idle work stopped,
  // the controller (and with it every cartridge) freed, the window destroyed.
  virtual void Close() = 0;
};

struct TKeypadServices {
  TAppIni& Settings;
  HWND Owner;
  TSearchFormController::TRevolverFactory MakeRevolver;
};

using TKeypadFactory = std::function<std::unique_ptr<TKeypadWindow>(const TKeypadServices&)>;
