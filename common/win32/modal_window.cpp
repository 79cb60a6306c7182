#include "common/win32/modal_window.h"

#include <string>

#include "common/win32/dpi.h"
#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"

int TModalWindow::ShowModal(HWND owner) {
  TLayout layout = Layout();
  WindowDpiValue = WindowDpi(owner);
  RECT frame{0, 0, Scale(layout.ClientWidth96), Scale(layout.ClientHeight96)};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateBound({layout.ClassName, 0, GetSysColorBrush(COLOR_BTNFACE)}, exStyle, style,
                   ToWide(layout.Caption), x, y, width, height, owner))
    return IDCANCEL;
  Font.Reset(CreateDialogFont(WindowDpiValue));
  CreateControls();
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  RestoreFocus();
  Result = IDCANCEL;
  Running = true;
  MSG message;
  while (Running && Handle() != nullptr) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
      break;
    }
    if (got < 0) break;
    if (IsDialogMessageW(Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Running = false;
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  Destroy();
  Focused = nullptr;
  Font.Reset();
  return Result;
}

void TModalWindow::OnCommand(int id, int) {
  if (id == IDOK || id == IDCANCEL) EndModal(id);
}

LRESULT TModalWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultMessage(message, wParam, lParam);
}

void TModalWindow::EndModal(int result) {
  Result = result;
  Running = false;
  PostMessageW(Handle(), WM_NULL, 0, 0);  // wake the loop
}

void TModalWindow::FocusControl(HWND control) {
  Focused = control;
  if (IsWindowVisible(Handle())) SetFocus(control);
}

void TModalWindow::RememberFocus() {
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(Handle(), focus)) Focused = focus;
}

bool TModalWindow::RestoreFocus() {
  HWND target = Focused != nullptr && IsChild(Handle(), Focused)
                    ? Focused
                    : GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (target == nullptr) return false;
  SetFocus(target);
  return true;
}

HWND TModalWindow::AddControl(const wchar_t* className, std::wstring_view text, DWORD style, int x,
                              int y, int width, int height, int id, HFONT font) {
  std::wstring caption(text);
  HWND control = CreateWindowExW(0, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                                 Scale(x), Scale(y), Scale(width), Scale(height), Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : DialogFont()), TRUE);
  return control;
}

int TModalWindow::Scale(int size96) const { return ScaleForDpi(size96, WindowDpiValue); }

LRESULT TModalWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      EndModal(IDCANCEL);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        return 0;
      }
      if (!HIWORD(wParam) && RestoreFocus()) return 0;  // HIWORD: minimised
      return DefaultMessage(message, wParam, lParam);
    case WM_SETFOCUS:
      if (RestoreFocus()) return 0;
      return DefaultMessage(message, wParam, lParam);
    default:
      return OnOtherMessage(message, wParam, lParam);
  }
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}
