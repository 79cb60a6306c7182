#pragma once
// Words no source lexicon gives as such: every kana as a one-character word,
// so that any word can be spelled, and the particles the built-in grammar
// lacks.
#include <vector>

#include "tools/dicgen/ipadic_source.h"
#include "tools/dicgen/word_mapping.h"

// Every hiragana and katakana (small, voiced and semi-voiced ones, ヴ, ー), type 000.
std::vector<TDicWord> KanaSyllableWords();

// A particle row (助詞, compounds such as によって included) whose notation the
// grammar's particle table lacks is worth a 000 word.
bool IsMissingParticle(const TIpadicRow& row);
