#pragma once
// The base of every window: one static window procedure binds the C++ object
// at WM_NCCREATE (from lpCreateParams) and forwards each message to the
// object's OnMessage inside one exception barrier. The object owns its window;
// moving the object moves the binding.
#include <windows.h>

#include <string_view>

#include "common/win32/handles.h"

struct TWindowClass {
  const wchar_t* Name;
  UINT Style = 0;
  HBRUSH Background = nullptr;
  HICON Icon = nullptr;
};

class TWindowBase {
 public:
  TWindowBase() = default;
  virtual ~TWindowBase();
  TWindowBase(const TWindowBase&) = delete;
  TWindowBase& operator=(const TWindowBase&) = delete;
  TWindowBase(TWindowBase&& other) noexcept;
  TWindowBase& operator=(TWindowBase&& other) noexcept;

  HWND Handle() const { return Window.Get(); }
  // Destroys the window now (the object stays, without a window).
  void Destroy();

 protected:
  // Registers the class on first use and creates the window bound to this.
  // False when the window could not be made.
  bool CreateBound(const TWindowClass& windowClass, DWORD exStyle, DWORD style,
                   std::wstring_view title, int x, int y, int width, int height, HWND parent,
                   HMENU menu = nullptr);

  // Everything not handled goes to DefaultMessage. An exception leaving it
  // goes to OnMessageFailure and the message counts as handled (answer 0).
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Reports the exception being handled as unexpected. A window whose
  // handlers must never interrupt the user swallows it instead.
  virtual void OnMessageFailure() noexcept;

 private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Bind();

  TUniqueWindow Window;
};
