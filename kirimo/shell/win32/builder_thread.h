#pragma once
// Loads every dictionary off the UI thread at start-up and tells the main
// window when it is done (by a posted message: the worker never waits for the
// UI thread).
#include <windows.h>

#include <memory>
#include <string>
#include <thread>

class TAppIni;
class TDictionaryManager;

class TBuilderThread {
 public:
  // Starts at once; doneMessage is posted to notify when the build ended.
  TBuilderThread(const TAppIni& settings, HWND notify, UINT doneMessage);
  ~TBuilderThread();
  TBuilderThread(const TBuilderThread&) = delete;
  TBuilderThread& operator=(const TBuilderThread&) = delete;

  // After the message: the manager (null when the build failed) and the
  // failure's text (empty when it did not).
  std::unique_ptr<TDictionaryManager> TakeManager();
  const std::string& Failure() const { return FailureText; }

 private:
  std::unique_ptr<TDictionaryManager> Manager;
  std::string FailureText;
  std::thread Worker;
};
