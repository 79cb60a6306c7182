#include "kirimo/shell/win32/builder_thread.h"

#include "common/win32/unexpected_error.h"
#include "kirimo/engine/dictionary_manager.h"

TBuilderThread::TBuilderThread(const TAppIni& settings, HWND notify, UINT doneMessage) {
  Worker = std::thread([this, &settings, notify, doneMessage] {
    try {
      Manager = std::make_unique<TDictionaryManager>(settings);
    } catch (...) {
      FailureText = CurrentExceptionText();
    }
    PostMessageW(notify, doneMessage, 0, 0);
  });
}

TBuilderThread::~TBuilderThread() {
  if (Worker.joinable()) Worker.join();
}

std::unique_ptr<TDictionaryManager> TBuilderThread::TakeManager() {
  if (Worker.joinable()) Worker.join();
  return std::move(Manager);
}
