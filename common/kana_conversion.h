#pragma once
// Kana and width conversions with the results of a Japanese Windows' locale
// mapping, from our own tables. Characters without a mapping stay as they are.
#include <string>
#include <string_view>

std::string ToHiragana(std::string_view text);   // full-width katakana -> hiragana
std::string ToKatakana(std::string_view text);   // hiragana -> full-width katakana
std::string ToHalfWidth(std::string_view text);  // ガ -> ｶﾞ, Ａ -> A, 。 -> ｡
std::string ToFullWidth(std::string_view text);  // ｶﾞ -> ガ, A -> Ａ
