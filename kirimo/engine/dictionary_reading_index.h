#pragma once
// The reading index over every word dictionary the manager has open.
class TDictionaryManager;
class TReadingIndex;

// Main dictionaries first, in the manager's order (their files list the most
// frequent words first), then the user dictionaries. Finishes the index.
void AddManagerDictionaries(const TDictionaryManager& manager, TReadingIndex& index);
