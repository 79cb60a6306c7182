#pragma once
// Cuts a text into candidate words: runs of one character class.
#include <string_view>

#include "common/string_list.h"

// The words of text in order of first appearance, no two equal ignoring the
// case of ASCII and full-width letters. A run of kanji, katakana or letters (the underscore
// counting as a half-width letter) is a word when it is longer than one
// character, or is a single kanji; a date or time unit right after a number
// starts no word.
TStringList ExtractWords(std::string_view text);
