#include "kirimo/cartridge_base/recording_output.h"

void TRecordingOutput::SendText(std::string_view text) { Record("text " + std::string(text)); }
void TRecordingOutput::SendKeyDown(int code) { RecordKey("keydown", code); }
void TRecordingOutput::PressKey(int code) { RecordKey("press", code); }
void TRecordingOutput::HoldKey(int code) { RecordKey("hold", code); }
void TRecordingOutput::ReleaseKey(int code) { RecordKey("release", code); }

TStringList TRecordingOutput::Calls() const {
  std::lock_guard lock(Mutex);
  return Recorded;
}

TStringList TRecordingOutput::TakeCalls() {
  std::lock_guard lock(Mutex);
  TStringList calls;
  calls.swap(Recorded);
  return calls;
}

void TRecordingOutput::Clear() {
  std::lock_guard lock(Mutex);
  Recorded.clear();
}

void TRecordingOutput::Record(std::string call) {
  std::lock_guard lock(Mutex);
  Recorded.push_back(std::move(call));
}

void TRecordingOutput::RecordKey(std::string_view operation, int code) {
  if (IsVirtualKeyCode(code)) Record(std::string(operation) + " " + std::to_string(code));
}
