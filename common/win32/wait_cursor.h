#pragma once
// The hourglass for the length of a long operation on the window's thread;
// the previous cursor comes back however the operation ends.
#include <windows.h>

class TWaitCursor {
 public:
  TWaitCursor() : Previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { SetCursor(Previous); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR Previous;
};
