#include "gleaner/win32/control_views.h"

#include <commctrl.h>

#include <string>

#include "common/win32/wide_text.h"

void TProgressBarView::Attach(HWND bar) {
  Bar = bar;
  SendMessageW(Bar, PBM_SETSTEP, 1, 0);
}

void TProgressBarView::SetRange(int minimum, int maximum) {
  SendMessageW(Bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void TProgressBarView::SetPosition(int position) {
  SendMessageW(Bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TProgressBarView::StepIt() {
  SendMessageW(Bar, PBM_STEPIT, 0, 0);
  // The work runs on this thread: the bar shows each step only if painted now.
  UpdateWindow(Bar);
}

void TComboChoiceView::SetItems(const TStringList& items) {
  SendMessageW(Combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(Combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
}

void TComboChoiceView::SetItemIndex(int index) {
  SendMessageW(Combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TComboChoiceView::Text() const {
  LRESULT index = SendMessageW(Combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  LRESULT length = SendMessageW(Combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return FromWide(text);
}
