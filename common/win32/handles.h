#pragma once
// Move-only owners of Win32 handles: each frees or restores what it holds
// exactly once, and none can be copied.
#include <windows.h>

#include <utility>

// Owner of a handle freed by Free(handle); the empty value is Empty.
template <typename H, typename Traits>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(H handle) : Value(handle) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : Value(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  H Get() const { return Value; }
  explicit operator bool() const { return Value != Traits::Empty(); }
  H Release() { return std::exchange(Value, Traits::Empty()); }
  void Reset(H handle = Traits::Empty()) {
    H old = std::exchange(Value, handle);
    if (old != Traits::Empty()) Traits::Free(old);
  }

 private:
  H Value = Traits::Empty();
};

struct TWindowTraits {
  static HWND Empty() { return nullptr; }
  static void Free(HWND window) { DestroyWindow(window); }
};
struct TGdiTraits {
  static HGDIOBJ Empty() { return nullptr; }
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct TIconTraits {
  static HICON Empty() { return nullptr; }
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct TMenuTraits {
  static HMENU Empty() { return nullptr; }
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct TKernelTraits {
  static HANDLE Empty() { return nullptr; }
  static void Free(HANDLE handle) { CloseHandle(handle); }
};
struct TMemoryDcTraits {
  static HDC Empty() { return nullptr; }
  static void Free(HDC dc) { DeleteDC(dc); }
};

using TUniqueWindow = TUniqueHandle<HWND, TWindowTraits>;
using TGdiObject = TUniqueHandle<HGDIOBJ, TGdiTraits>;
using TUniqueIcon = TUniqueHandle<HICON, TIconTraits>;
using TUniqueMenu = TUniqueHandle<HMENU, TMenuTraits>;
using TKernelHandle = TUniqueHandle<HANDLE, TKernelTraits>;
using TMemoryDc = TUniqueHandle<HDC, TMemoryDcTraits>;

// A window's DC from GetDC, released to that window.
class TWindowDc {
 public:
  explicit TWindowDc(HWND window) : Window(window), Dc(GetDC(window)) {}
  ~TWindowDc() { Reset(); }
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  TWindowDc(TWindowDc&& other) noexcept
      : Window(std::exchange(other.Window, nullptr)), Dc(std::exchange(other.Dc, nullptr)) {}
  TWindowDc& operator=(TWindowDc&& other) noexcept {
    if (this != &other) {
      Reset();
      Window = std::exchange(other.Window, nullptr);
      Dc = std::exchange(other.Dc, nullptr);
    }
    return *this;
  }
  HDC Get() const { return Dc; }

 private:
  void Reset() {
    if (Dc != nullptr) ReleaseDC(Window, Dc);
    Dc = nullptr;
  }
  HWND Window;
  HDC Dc;
};

// BeginPaint .. EndPaint for one WM_PAINT. Not movable: the paint structure
// belongs to the handler that made it.
class TPaintDc {
 public:
  explicit TPaintDc(HWND window) : Window(window) { BeginPaint(window, &Paint); }
  ~TPaintDc() { EndPaint(Window, &Paint); }
  TPaintDc(const TPaintDc&) = delete;
  TPaintDc& operator=(const TPaintDc&) = delete;
  HDC Get() const { return Paint.hdc; }

 private:
  HWND Window;
  PAINTSTRUCT Paint{};
};

// An object selected into a DC; the previous one goes back when this ends.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : Dc(dc), Previous(SelectObject(dc, object)) {}
  ~TSelection() { Reset(); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  TSelection(TSelection&& other) noexcept
      : Dc(std::exchange(other.Dc, nullptr)), Previous(std::exchange(other.Previous, nullptr)) {}
  TSelection& operator=(TSelection&& other) noexcept {
    if (this != &other) {
      Reset();
      Dc = std::exchange(other.Dc, nullptr);
      Previous = std::exchange(other.Previous, nullptr);
    }
    return *this;
  }

 private:
  void Reset() {
    if (Dc != nullptr && Previous != nullptr) SelectObject(Dc, Previous);
    Dc = nullptr;
  }
  HDC Dc;
  HGDIOBJ Previous;
};
