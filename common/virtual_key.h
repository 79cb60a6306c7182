#pragma once
#include <cstdint>
#include <string_view>

// Windows virtual-key code of a name such as "VK_RETURN" or "A"; 0 for any other name.
std::uint8_t VirtualKeyCode(std::string_view name);
