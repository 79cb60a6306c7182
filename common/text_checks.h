#pragma once
#include <string_view>

// The text converts to a 32-bit signed integer (decimal, or hexadecimal after "$").
bool IsInteger(std::string_view text);
// Parses what IsInteger accepts; fallback for anything else.
int ToIntegerOr(std::string_view text, int fallback);
// One of the 14 bracket pairs, such as "()" or "「」".
bool IsBracketPair(std::string_view text);
