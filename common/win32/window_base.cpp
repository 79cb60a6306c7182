#include "common/win32/window_base.h"

#include <string>

#include "common/win32/unexpected_error.h"

namespace {

bool RegisterOnce(const TWindowClass& windowClass, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, windowClass.Name, &existing)) return true;
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  info.style = windowClass.Style;
  info.lpfnWndProc = procedure;
  info.hInstance = instance;
  info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  info.hbrBackground = windowClass.Background;
  info.hIcon = windowClass.Icon;
  info.lpszClassName = windowClass.Name;
  return RegisterClassExW(&info) != 0;
}

}  // namespace

TWindowBase::~TWindowBase() { Destroy(); }

TWindowBase::TWindowBase(TWindowBase&& other) noexcept : Window(std::move(other.Window)) { Bind(); }

TWindowBase& TWindowBase::operator=(TWindowBase&& other) noexcept {
  if (this != &other) {
    Destroy();
    Window = std::move(other.Window);
    Bind();
  }
  return *this;
}

void TWindowBase::Bind() {
  if (Window) SetWindowLongPtrW(Window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWindowBase::Destroy() {
  // WM_NCDESTROY unbinds and lets go of the handle.
  if (Window) DestroyWindow(Window.Get());
  Window.Release();
}

bool TWindowBase::CreateBound(const TWindowClass& windowClass, DWORD exStyle, DWORD style,
                              std::wstring_view title, int x, int y, int width, int height,
                              HWND parent, HMENU menu) {
  Destroy();
  if (!RegisterOnce(windowClass, StaticProc)) return false;
  std::wstring text(title);
  HWND made = CreateWindowExW(exStyle, windowClass.Name, text.c_str(), style, x, y, width, height,
                              parent, menu, GetModuleHandleW(nullptr), this);
  return made != nullptr;
}

LRESULT TWindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultMessage(message, wParam, lParam);
}

void TWindowBase::OnMessageFailure() noexcept { ReportCurrentException(); }

LRESULT TWindowBase::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(Window.Get(), message, wParam, lParam);
}

LRESULT CALLBACK TWindowBase::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<TWindowBase*>(create->lpCreateParams);
    self->Window.Reset(window);
    self->Bind();
  }
  auto* self = reinterpret_cast<TWindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->Window.Release();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (...) {
    self->OnMessageFailure();
    return 0;
  }
}
