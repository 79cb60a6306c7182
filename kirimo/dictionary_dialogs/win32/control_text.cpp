#include "kirimo/dictionary_dialogs/win32/control_text.h"

#include "common/win32/wide_text.h"

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return FromWide(text);
}

void SetControlText(HWND control, std::string_view text) {
  SetWindowTextW(control, ToWide(text).c_str());
}

void SetComboItems(HWND combo, const TStringList& items) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
}

void SetListItems(HWND list, const TStringList& items) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
}
