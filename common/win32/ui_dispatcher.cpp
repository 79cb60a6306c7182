#include "common/win32/ui_dispatcher.h"

namespace {

constexpr UINT RunPendingMessage = WM_APP + 1;
TUiDispatcher* Current = nullptr;

}  // namespace

TUiDispatcher::TUiDispatcher()
    : Queue([this] {
        if (Handle() != nullptr) PostMessageW(Handle(), RunPendingMessage, 0, 0);
      }) {
  CreateBound({L"KirimoUiDispatcher"}, 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE);
  Current = this;
}

TUiDispatcher::~TUiDispatcher() {
  Queue.DrainAndClose();
  if (Current == this) Current = nullptr;
  Destroy();
}

LRESULT TUiDispatcher::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != RunPendingMessage) return DefaultMessage(message, wParam, lParam);
  Queue.RunPending();
  return 0;
}

TUiDispatcher* UiDispatcher() { return Current; }
