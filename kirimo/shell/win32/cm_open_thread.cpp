#include "kirimo/shell/win32/cm_open_thread.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <thread>

#include "common/win32/wide_text.h"

void StartCMOpenThread(std::string_view target) {
  std::wstring wide = ToWide(target);
  if (wide.empty()) return;
  try {
    std::thread([wide] {
      ShellExecuteW(nullptr, L"open", wide.c_str(), L"", L"", SW_SHOWMAXIMIZED);
    }).detach();
  } catch (...) {
    // No thread, no page: the keypad goes on.
  }
}
