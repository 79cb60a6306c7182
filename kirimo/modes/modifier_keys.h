#pragma once
// Shift, Ctrl and Alt as the modes hold them down: one bit each in a set.
#include <cstdint>

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
