#pragma once
// Shift, Ctrl and Alt as the modes hold them down in the target: one bit each
// in a set, kept until picked again or until the mode is left.
#include <atomic>
#include <cstdint>

class TOutputOperations;

constexpr int ShiftKey = 16;
constexpr int CtrlKey = 17;
constexpr int AltKey = 18;

// The order in which held modifiers are let go.
constexpr int ModifierKeys[] = {ShiftKey, AltKey, CtrlKey};

// Shift 1, Alt 2, Ctrl 4; 0 for any other key.
constexpr std::uint8_t ModifierBit(int virtualKey) {
  switch (virtualKey) {
    case ShiftKey:
      return 1;
    case AltKey:
      return 2;
    case CtrlKey:
      return 4;
    default:
      return 0;
  }
}

// The modifiers a mode holds down. Output may fail (a closed target, a
// refused key): a key is marked held only once it went down, and stays marked
// when it could not be let go, so the next way out tries again. One atomic
// byte, so the UI thread and a cartridge's worker may both let go.
class THeldModifiers {
 public:
  bool IsHeld(int virtualKey) const { return (Bits & ModifierBit(virtualKey)) != 0; }
  bool Any() const { return Bits != 0; }
  std::uint8_t Set() const { return Bits; }

  // True when the key went down.
  bool Hold(TOutputOperations& output, int virtualKey);
  // True when the key went up.
  bool Release(TOutputOperations& output, int virtualKey);
  void ReleaseAll(TOutputOperations& output);

 private:
  std::atomic<std::uint8_t> Bits = 0;
};
