#pragma once
// Texts and lists of standard controls, in CP932.
#include <windows.h>

#include <string>
#include <string_view>

#include "common/string_list.h"

std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view text);
// A combo box's list, replaced by items.
void SetComboItems(HWND combo, const TStringList& items);
// A list box's lines, replaced by items.
void SetListItems(HWND list, const TStringList& items);

// Shows the hourglass for as long as it lives.
class TWaitCursor {
 public:
  TWaitCursor() : Previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { SetCursor(Previous); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR Previous;
};
