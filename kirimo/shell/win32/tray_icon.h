#pragma once
// The notification-area icon: added at start, added again when the shell
// restarts (TaskbarCreated), deleted when the main window goes.
#include <windows.h>
#include <shellapi.h>

#include <string_view>

class TTrayIcon {
 public:
  static constexpr UINT CallbackMessage = WM_USER + 1;

  TTrayIcon() = default;
  ~TTrayIcon() { Remove(); }
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  bool Add(HWND window, HICON icon, std::string_view tip);
  // After the shell restarted: the same icon again.
  bool Readd();
  void Remove();

  // The message the shell broadcasts when it (re)starts.
  static UINT TaskbarCreatedMessage();

 private:
  NOTIFYICONDATAW Data{};
  bool Added = false;
};
