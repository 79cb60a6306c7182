#pragma once
// Output operations that reach no application: every call is recorded in
// order, one line each ("text か", "keydown 37", "press 13", "hold 16",
// "release 16"), for tests and the headless driver. Safe to call from any
// thread. Key codes the real output refuses (256 or more) are not recorded.
#include <mutex>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "kirimo/cartridge_base/output_operations.h"

class TRecordingOutput : public TOutputOperations {
 public:
  void SendText(std::string_view text) override;
  void SendKeyDown(int code) override;
  void PressKey(int code) override;
  void HoldKey(int code) override;
  void ReleaseKey(int code) override;

  TStringList Calls() const;
  // The calls so far, leaving the record empty.
  TStringList TakeCalls();
  void Clear();

 private:
  void Record(std::string call);
  void RecordKey(std::string_view operation, int code);

  mutable std::mutex Mutex;
  TStringList Recorded;
};
