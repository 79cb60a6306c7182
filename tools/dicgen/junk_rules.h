#pragma once
// Entries that only crowd the candidate lists: notations nobody types by
// their reading, and kana-for-kanji spellings of words the list also holds in
// full.
#include <string>
#include <string_view>
#include <vector>

#include "tools/dicgen/word_mapping.h"

enum class TJunk {
  None,
  MixedScript,     // Greek or Cyrillic letters beside Latin ones (Νｅｗ; α線 is a word)
  LatinByReading,  // Latin words but acronyms of up to four letters (ｔｈｅ, client, LESSON), or
                   // one key
  HalfKana,        // せっ計 beside 設計
};

// The rule a single word breaks, by its notation and reading alone.
TJunk JunkOf(const TDicWord& word);

// For each word, whether it spells one kanji in kana (one kana, or kana ending
// in っ) before kanji (せっ計) where a word with the same reading writes it all
// in kanji (設計). Honorific prefixes (お茶, ご飯) are spellings of their own.
std::vector<bool> HalfKanaSpellings(const std::vector<TDicWord>& words);
