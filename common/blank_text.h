#pragma once
// Blanks are spaces and control characters, the bytes up to 0x20: what
// separates fields of settings and dictionary lines, and what a caption may
// be padded with. No CP932 trail byte is that low, so testing bytes is safe.
#include <string_view>

constexpr bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);
// True for text that is empty or only blanks.
bool IsBlankText(std::string_view text);
