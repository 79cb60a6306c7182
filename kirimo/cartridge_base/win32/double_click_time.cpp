#include "kirimo/cartridge_base/double_click_time.h"

#include <windows.h>

int SystemDoubleClickTime() { return static_cast<int>(GetDoubleClickTime()); }
