#pragma once
// The order the candidate and virtual-key lists sort by, standing for a
// Japanese locale's string order (see collation.cpp for the order itself).
#include <string_view>

// -1, 0 or +1; 0 only for equal texts.
int CompareText(std::string_view a, std::string_view b);
