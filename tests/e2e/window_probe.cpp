// kirimo-inspect: what end-to-end tests need to see of the windows under
// Wine, printed as UTF-8 lines with tab-separated fields.
//
//   windows                      every top-level window, the topmost first:
//                                handle, process id, class, title,
//                                left,top,right,bottom, enabled, visible,
//                                foreground (1/0), owner, extended style (hex)
//   client HANDLE                the client area on the screen: left,top,right,bottom
//   children HANDLE              the child windows: handle, class, id, text, rect
//   text HANDLE                  the window's own text (message boxes: the text
//                                of their static control)
//   list HANDLE                  a list box's items, one a line: 1 or 0 (selected),
//                                a tab, the item's text
//   item-rect HANDLE INDEX       a list box item's screen rectangle:
//                                left,top,right,bottom
//   set-text HANDLE TEXT         WM_SETTEXT (an edit box of a dialog)
//   post HANDLE MSG WPARAM LPARAM
//   activate HANDLE              bring to the foreground
//   move HANDLE X Y              move without sizing
//   foreground-samples HANDLE MS how many times, sampled every 10 ms over MS,
//                                HANDLE was the foreground window
//   foreground-watch PID FILE    "watching" once it samples, then, once FILE
//                                exists: the samples taken every 10 ms and how
//                                many found a window of process PID in front
//   capture HANDLE               the mouse capture of the window's thread:
//                                the capturing window, and 1 in a move or
//                                size loop (0 otherwise)
//   window-at X Y                the top-level window that shows at that point
//                                of the screen: handle, class
//   keypad HANDLE                the keypad's controls as it describes them
//                                (it paints them itself): name, index, x, y, caption
//   memory PID                   the process's working set and private bytes
//                                (its commit charge), in KiB
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A top-level window's caption without a message, so a busy program does not
// hold the listing up.
std::wstring CaptionOf(HWND window) {
  wchar_t text[512] = {};
  InternalGetWindowText(window, text, 512);
  return text;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  // One line per window: line breaks inside a text become "\n".
  std::string escaped;
  for (char c : out) {
    if (c == '\r') continue;
    if (c == '\n')
      escaped += "\\n";
    else if (c == '\t')
      escaped += ' ';
    else
      escaped += c;
  }
  return escaped;
}

std::wstring Wide(const char* utf8) {
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out.data(), size);
  out.resize(out.size() - 1);
  return out;
}

// WM_GETTEXT works across processes; GetWindowText does not for other programs' controls.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::string RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  char text[64];
  std::snprintf(text, sizeof(text), "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
  return text;
}

HWND HandleArg(const char* text) { return reinterpret_cast<HWND>(std::strtoull(text, nullptr, 0)); }

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::printf(
      "%llu\t%lu\t%s\t%s\t%s\t%d\t%d\t%d\t%llu\t%lx\n",
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), process,
      Utf8(ClassOf(window)).c_str(), Utf8(CaptionOf(window)).c_str(), RectOf(window).c_str(),
      IsWindowEnabled(window) ? 1 : 0, IsWindowVisible(window) ? 1 : 0,
      GetForegroundWindow() == window ? 1 : 0,
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetWindow(window, GW_OWNER))),
      static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return TRUE;
}

BOOL CALLBACK PrintChild(HWND window, LPARAM) {
  std::printf("%llu\t%s\t%d\t%s\t%s\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
              Utf8(ClassOf(window)).c_str(), GetDlgCtrlID(window), Utf8(TextOf(window)).c_str(),
              RectOf(window).c_str());
  return TRUE;
}

// A message box keeps its text in the static control 0xFFFF.
std::wstring MessageText(HWND window) {
  HWND text = GetDlgItem(window, 0xFFFF);
  return text != nullptr ? TextOf(text) : TextOf(window);
}

LRESULT CALLBACK ReceiveText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::fwrite(data->lpData, 1, data->cbData, stdout);
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The keypad answers its registered message with a WM_COPYDATA to our window.
int DescribeKeypad(HWND keypad) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ReceiveText;
  windowClass.lpszClassName = L"KirimoInspectReceiver";
  RegisterClassW(&windowClass);
  HWND receiver = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, nullptr, nullptr);
  DWORD_PTR answer = 0;
  bool sent = SendMessageTimeoutW(keypad, RegisterWindowMessageW(L"Kirimo.DescribeKeypad"),
                                  reinterpret_cast<WPARAM>(receiver), 0, SMTO_ABORTIFHUNG, 5000,
                                  &answer) != 0;
  DestroyWindow(receiver);
  return sent && answer == 1 ? 0 : 1;
}

void PrintListBox(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
    length = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    std::printf("%d\t%s\n", i == selected ? 1 : 0, Utf8(text).c_str());
  }
}

int PrintItemRect(HWND list, WPARAM index) {
  RECT rect{};
  if (SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
    return 1;
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  std::printf("%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
  return 0;
}

int PrintMemory(DWORD processId) {
  HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) return 1;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  const bool read = K32GetProcessMemoryInfo(process, &counters, sizeof(counters)) != FALSE;
  CloseHandle(process);
  if (!read) return 1;
  std::printf("%lu\t%lu\n", static_cast<unsigned long>(counters.WorkingSetSize / 1024),
              static_cast<unsigned long>(counters.PagefileUsage / 1024));
  return 0;
}

int PrintClientRect(HWND window) {
  RECT client{};
  if (!GetClientRect(window, &client)) return 1;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::printf("%ld,%ld,%ld,%ld\n", client.left, client.top, client.right, client.bottom);
  return 0;
}

bool InForeground(DWORD processId) {
  DWORD process = 0;
  HWND foreground = GetForegroundWindow();
  return foreground != nullptr && GetWindowThreadProcessId(foreground, &process) != 0 &&
         process == processId;
}

// The caller starts its gesture once it reads the first line and makes the
// file when it is over; a minute at most.
void WatchForeground(DWORD processId, const std::wstring& stop) {
  std::printf("watching\n");
  std::fflush(stdout);
  int samples = 0, hits = 0;
  for (DWORD start = GetTickCount(); GetFileAttributesW(stop.c_str()) == INVALID_FILE_ATTRIBUTES &&
                                     GetTickCount() - start < 60000;
       Sleep(10)) {
    ++samples;
    if (InForeground(processId)) ++hits;
  }
  std::printf("%d\t%d\n", samples, hits);
}

int PrintCapture(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
  std::printf("%llu\t%d\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(info.hwndCapture)),
              (info.flags & GUI_INMOVESIZE) != 0 ? 1 : 0);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: kirimo-inspect windows|client H|children H|text H|list H|item-rect H "
               "I|set-text H T|post H M W L|activate H|move H X Y|foreground-samples H "
               "MS|foreground-watch PID F|capture H|window-at X Y|keypad H|memory PID\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  if (command == "windows") {
    EnumWindows(PrintTopLevel, 0);
  } else if (command == "children" && argc == 3) {
    EnumChildWindows(HandleArg(argv[2]), PrintChild, 0);
  } else if (command == "text" && argc == 3) {
    std::printf("%s\n", Utf8(MessageText(HandleArg(argv[2]))).c_str());
  } else if (command == "list" && argc == 3) {
    PrintListBox(HandleArg(argv[2]));
  } else if (command == "item-rect" && argc == 4) {
    if (PrintItemRect(HandleArg(argv[2]), std::strtoul(argv[3], nullptr, 0)) != 0) return 1;
  } else if (command == "set-text" && argc == 4) {
    // From the wide command line: argv went through the ANSI code page, which
    // may not hold the text.
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring text = wide != nullptr && count == 4 ? std::wstring(wide[3]) : Wide(argv[3]);
    LocalFree(wide);
    SendMessageW(HandleArg(argv[2]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  } else if (command == "post" && argc == 6) {
    return PostMessageW(HandleArg(argv[2]), static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                        std::strtoul(argv[4], nullptr, 0), std::strtol(argv[5], nullptr, 0))
               ? 0
               : 1;
  } else if (command == "activate" && argc == 3) {
    return SetForegroundWindow(HandleArg(argv[2])) ? 0 : 1;
  } else if (command == "move" && argc == 5) {
    return SetWindowPos(HandleArg(argv[2]), nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  } else if (command == "foreground-samples" && argc == 4) {
    HWND window = HandleArg(argv[2]);
    int hits = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < std::strtoul(argv[3], nullptr, 0);
         Sleep(10))
      if (GetForegroundWindow() == window) ++hits;
    std::printf("%d\n", hits);
  } else if (command == "client" && argc == 3) {
    if (PrintClientRect(HandleArg(argv[2])) != 0) return 1;
  } else if (command == "foreground-watch" && argc == 4) {
    WatchForeground(std::strtoul(argv[2], nullptr, 0), Wide(argv[3]));
  } else if (command == "capture" && argc == 3) {
    if (PrintCapture(HandleArg(argv[2])) != 0) return 1;
  } else if (command == "window-at" && argc == 4) {
    HWND top = GetAncestor(WindowFromPoint({std::atoi(argv[2]), std::atoi(argv[3])}), GA_ROOT);
    std::printf("%llu\t%s\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(top)),
                Utf8(ClassOf(top)).c_str());
  } else if (command == "keypad" && argc == 3) {
    return DescribeKeypad(HandleArg(argv[2]));
  } else if (command == "memory" && argc == 3) {
    if (PrintMemory(std::strtoul(argv[2], nullptr, 0)) != 0) return 1;
  } else {
    return Usage();
  }
  std::fflush(stdout);
  return 0;
}
