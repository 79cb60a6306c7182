#pragma once
// How a test driver in another process reads the keypad it cannot see into:
// it sends the registered message with its own window as wParam, and the
// keypad answers with a WM_COPYDATA of its description (UTF-8).
#include <windows.h>

#include <string_view>

UINT KeypadAutomationMessage();
// text is CP932; it travels as UTF-8.
void SendTextTo(HWND requester, std::string_view text);
