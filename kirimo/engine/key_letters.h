#pragma once
// The Japanese keypad's key letters: the half-width letter each row key
// stands for, the letters of its row, and the captions of its vowel buttons.
#include <string>
#include <string_view>

// The keys of the row layouts and the syllables of the grid, as the idle work
// prebuilds their first-key lists.
constexpr std::string_view RowLetters = "ｱｶｻﾀﾅﾊﾏﾔﾗﾜｰ@ADGJMPTW0";
constexpr std::string_view Syllables =
    "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｰ@ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The key letter of a row-key caption ("か" -> "ｶ", "ABC" -> "A"); "" for others.
std::string KeyLetterOfCaption(std::string_view caption);
// The letters of the row of a key letter ("ｶ" -> "ｶｷｸｹｺ"); "" for others.
std::string_view RowOf(std::string_view letter);
// The comma list of vowel-button captions of a key letter's row ("ｶ" ->
// "か,き,く,け,こ"); "" for others and for rows without vowels.
std::string_view VowelCaptionsOf(std::string_view letter);
