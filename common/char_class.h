#pragma once
#include <string_view>

// Class of one character (its 1 or 2 bytes):
// 0 hiragana or symbol, 1 kanji, 2 full-width katakana, 3 full-width letter,
// 4 half-width katakana, 5 half-width letter, 6 anything else (digits, blanks, controls).
int CharClass(std::string_view character);
// Every character is a letter (class 3 or 5); true for the empty text.
bool IsAllLetters(std::string_view text);
// No byte belongs to a double-byte character; true for the empty text.
bool IsSingleByteText(std::string_view text);
