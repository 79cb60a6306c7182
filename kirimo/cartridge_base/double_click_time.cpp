#include "kirimo/cartridge_base/double_click_time.h"

// Windows asks the system (win32/double_click_time.cpp).
#ifndef _WIN32
int SystemDoubleClickTime() { return 500; }
#endif
