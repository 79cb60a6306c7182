#pragma once
// The reading index over the word dictionaries Kirimo's settings name, for a
// program that reads those files itself (Gleaner).
#include <string_view>

class TReadingIndex;
struct TDictionarySections;

// One dictionary file; a missing or unreadable one is left out: proposals
// are a help, not a condition.
void AddDictionaryFile(std::string_view path, bool ordered, TReadingIndex& index);

// The base and extension dictionaries whose name and file are set, in that
// order (their files list the most frequent words first), then the user
// dictionaries beside them. Finishes the index.
void AddSettingsDictionaries(const TDictionarySections& sections, TReadingIndex& index);
