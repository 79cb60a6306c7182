#include "kirimo/cartridge_base/control_views_plain.h"

using TLock = std::lock_guard<std::mutex>;

void TGuardedText::Set(std::string_view text) {
  TLock lock(Mutex);
  Text = text;
}

std::string TGuardedText::Get() const {
  TLock lock(Mutex);
  return Text;
}
