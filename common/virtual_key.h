#pragma once
#include <cstdint>
#include <string_view>

// Windows virtual-key code of a name such as "VK_RETURN" or "A"; 0 for any other name.
std::uint8_t VirtualKeyCode(std::string_view name);
// The name of a code: where two names share one, the first of the table
// ("VK_KANA", not "VK_HANGUL"); empty for a code without a name.
std::string_view VirtualKeyName(std::uint8_t code);
