#pragma once
// The order the candidate lists sort by, as a Japanese locale sorts: kana in
// the order of the kana table whatever their script and width, a voiced or
// small kana first compared as its plain form, Latin letters without regard
// to case or width; ties are broken by those differences, then by the bytes.
#include <string_view>

// -1, 0 or +1.
int CompareText(std::string_view a, std::string_view b);
