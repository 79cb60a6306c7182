#pragma once
// Letter case the way lists of words compare: the ASCII letters and the
// full-width Latin letters fold (ＡＢＣ and ａｂｃ are one word, as ABC and abc
// are). Other double-byte characters, trail bytes included, stay as they are.
#include <string>
#include <string_view>

// The text with every such letter upper-cased.
std::string FoldLetterCase(std::string_view text);
bool EqualsIgnoringLetterCase(std::string_view a, std::string_view b);
