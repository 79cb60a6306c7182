#pragma once
// A dialog made of plain controls: its client size is given at 96 DPI and
// scaled, it is centred on the screen, and ShowModal runs its own message loop
// (with dialog keys: Tab, Enter, Esc) until a button ends it.
#include <windows.h>

#include <string_view>

#include "common/win32/handles.h"
#include "common/win32/window_base.h"

class TModalWindow : public TWindowBase {
 public:
  // IDOK or IDCANCEL (closing the window is Cancel).
  int ShowModal(HWND owner);

 protected:
  struct TLayout {
    const wchar_t* ClassName;
    std::string_view Caption;  // CP932
    int ClientWidth96;
    int ClientHeight96;
  };
  virtual TLayout Layout() const = 0;
  // The window exists: make the controls.
  virtual void CreateControls() = 0;
  // IDOK and IDCANCEL end the dialog unless overridden.
  virtual void OnCommand(int id, int notification);
  // Anything else the dialog handles; default handling otherwise.
  virtual LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void EndModal(int result);
  // The keyboard focus to control: now, and again whenever the dialog becomes
  // active (a message box closed, the user came back from another window).
  void FocusControl(HWND control);
  // A child control at a 96-DPI rectangle, in the dialog font unless font is given.
  HWND AddControl(const wchar_t* className, std::wstring_view text, DWORD style, int x, int y,
                  int width, int height, int id, HFONT font = nullptr);
  int Scale(int size96) const;
  int Dpi() const { return WindowDpiValue; }
  // "ＭＳ Ｐゴシック" 9 points at the dialog's DPI.
  HFONT DialogFont() const { return static_cast<HFONT>(Font.Get()); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
  // As a dialog does: the control that had the focus gets it back, not the frame.
  void RememberFocus();
  bool RestoreFocus();

  TGdiObject Font;
  HWND Focused = nullptr;
  int WindowDpiValue = 96;
  int Result = 0;
  bool Running = false;
};

// A message box through the W function; text and caption in CP932.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);
