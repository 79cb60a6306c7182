#include "kirimo/symbol_lists/held_modifiers.h"

#include "kirimo/cartridge_base/output_operations.h"

bool THeldModifiers::Hold(TOutputOperations& output, int virtualKey) {
  try {
    output.HoldKey(virtualKey);
  } catch (...) {
    return false;
  }
  Bits |= ModifierBit(virtualKey);
  return true;
}

bool THeldModifiers::Release(TOutputOperations& output, int virtualKey) {
  try {
    output.ReleaseKey(virtualKey);
  } catch (...) {
    return false;
  }
  Bits &= static_cast<std::uint8_t>(~ModifierBit(virtualKey));
  return true;
}

void THeldModifiers::ReleaseAll(TOutputOperations& output) {
  for (int key : ModifierKeys) {
    if (IsHeld(key)) Release(output, key);
  }
}
