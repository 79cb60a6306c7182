#pragma once
// Opens a page or file with the shell on a short-lived thread of its own, so a
// slow browser start never freezes the keypad. Target is CP932.
#include <string_view>

void StartCMOpenThread(std::string_view target);
