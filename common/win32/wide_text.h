#pragma once
// Text crosses into the W functions here, converted with our own CP932 codec,
// so nothing depends on the system's ANSI code page.
#include <string>
#include <string_view>

std::wstring ToWide(std::string_view cp932);
std::string FromWide(std::wstring_view text);
