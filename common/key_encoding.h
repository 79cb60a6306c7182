#pragma once
// The key string: one key letter per keypad click (see the key alphabet in
// key_encoding.cpp). Every comparison between what the user typed and what a
// word reads goes through ToKeyString.
#include <string>
#include <string_view>

std::string ToKeyString(std::string_view text);
// Key string of a conjugation ending: the kana rows, "*", "_", "/", and "ｰ" for any other byte.
std::string ToPatternKey(std::string_view text);
// a-z to A-Z and small kana to their full-size kana; voiced marks stay.
std::string NormalizeKana(std::string_view text);
