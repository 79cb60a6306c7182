#pragma once
// Whether two paths lead to one file, however each is spelt.
#include <string_view>

// True when both name the same existing file (through links and, on Windows,
// any letter case), or when their full resolved forms are equal. Empty paths
// name no file.
bool NameSameFile(std::string_view a, std::string_view b);
