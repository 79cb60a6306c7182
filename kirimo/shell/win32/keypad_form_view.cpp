#include "kirimo/shell/win32/keypad_form_view.h"

TKeypadFormView::TKeypadFormView(std::function<void()> changed) : Changed(std::move(changed)) {
  List.SetObserver(Changed);
}

// The list outlives nothing that reports into a window that is gone.
TKeypadFormView::~TKeypadFormView() { List.SetObserver({}); }

void TKeypadFormView::SetVowelRowVisible(bool visible) {
  VowelRow = visible;
  Changed();
}
