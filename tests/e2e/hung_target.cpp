// hung-target: a window with an edit box that stops answering messages when it
// receives WM_APP + 1, until its process is ended, as a hung program the
// keypad writes into. Its title says when it has stopped: another process
// reads a window's title without sending it a message.
#include <windows.h>

namespace {

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 400, 300, window,
                      nullptr, nullptr, nullptr);
      return 0;
    case WM_APP + 1:
      SetWindowTextW(window, L"Hung target (hung)");
      for (;;) Sleep(INFINITE);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"KirimoHungTarget";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Hung target", WS_OVERLAPPEDWINDOW,
                                320, 0, 420, 340, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
