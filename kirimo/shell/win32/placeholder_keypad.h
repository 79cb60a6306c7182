#pragma once
// A stand-in keypad window for development until the real keypad window is
// built: the same caption, place and behaviour towards the tray program
// (enabled states, sponsor strip, geometry and settings saved, the real
// controller and cartridges with their histories), but no keys. It says so
// in its own window.
#include <memory>
#include <string>

#include "common/win32/handles.h"
#include "common/win32/window_base.h"
#include "kirimo/shell/search_form_controller_view_plain.h"
#include "kirimo/shell/win32/keypad_window.h"

class TAdvertiser;

class TPlaceholderKeypad : public TWindowBase, public TKeypadWindow {
 public:
  explicit TPlaceholderKeypad(const TKeypadServices& services);
  ~TPlaceholderKeypad() override;

  HWND Handle() const override { return TWindowBase::Handle(); }
  bool IsShowing() const override;
  void Show() override;
  void Hide() override;
  void SetKeypadEnabled(bool formEnabled) override;
  void SetGridMode(bool use50) override;
  void ShowSponsor(bool visible) override;
  void ReloadUserDictionaries() override;
  void RebuildCartridges() override;
  void SaveTick() override;
  void StopIdle() override;
  void RestartIdle() override;
  void SetListFont(const TListFont& font) override;
  void SetScrollInterval(int milliseconds) override;
  void ShowStatus(std::string_view text) override;
  void Close() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Layout();
  void SaveGeometry();
  void Paint(HDC dc);

  TAppIni& Settings;
  TPlainSearchFormView Form;
  std::unique_ptr<TSearchFormController> Controller;
  std::unique_ptr<TAdvertiser> Advertiser;
  TUniqueWindow SponsorPanel;
  TGdiObject Font;
  TGdiObject StripFont;
  std::string Status;
  bool Enabled = true;
};
