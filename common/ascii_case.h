#pragma once
// Letter-case comparisons the way the profile functions and the settings make
// them: only single-byte ASCII letters fold, so the trail byte of a double-byte
// character (which may look like a letter) is compared as it is.
#include <string>
#include <string_view>

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
