#pragma once
// Finds a string among the candidates of a phrase list in constant time, so
// that de-duplicating thousands of candidates on every key stays cheap. It
// stores positions in the list, not copies, and keeps its table between
// selections.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/string_list.h"

class TCandidateIndex {
 public:
  void Clear();
  // Records list[index] unless an equal string is recorded already; true when it was new.
  bool Insert(const TStringList& list, std::size_t index);

 private:
  void Grow(const TStringList& list);

  std::vector<std::uint32_t> Slots;  // position + 1; 0 for a free slot
  std::size_t Used = 0;
};
