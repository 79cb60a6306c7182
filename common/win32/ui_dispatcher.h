#pragma once
// The one way from a worker thread to the windows: a hidden message-only
// window on the UI thread runs the queued "this model changed" notices
// (coalesced per model, dropped when their cartridge is no longer active).
// Workers never wait for the UI thread.
#include "common/update_queue.h"
#include "common/win32/window_base.h"

class TUiDispatcher : private TWindowBase {
 public:
  // Made on the UI thread; that thread runs the notices.
  TUiDispatcher();
  ~TUiDispatcher() override;

  // Any thread.
  void Post(const void* model, const void* source, TUpdateQueue::TUpdate update) {
    Queue.Post(model, source, std::move(update));
  }
  // UI thread.
  void SetActiveSource(const void* source) { Queue.SetActiveSource(source); }
  // At exit, before the windows go: runs what is pending, then takes nothing more.
  void DrainAndClose() { Queue.DrainAndClose(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  TUpdateQueue Queue;
};

// The program's dispatcher, made at start-up; null before and after.
TUiDispatcher* UiDispatcher();
