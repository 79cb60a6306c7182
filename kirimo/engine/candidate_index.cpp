#include "kirimo/engine/candidate_index.h"

#include <algorithm>
#include <string_view>

namespace {

std::size_t HashOf(std::string_view text) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

void TCandidateIndex::Clear() {
  std::fill(Slots.begin(), Slots.end(), 0);
  Used = 0;
}

bool TCandidateIndex::Insert(const TStringList& list, std::size_t index) {
  if ((Used + 1) * 2 > Slots.size()) Grow(list);
  const std::string& text = list[index];
  std::size_t mask = Slots.size() - 1;
  for (std::size_t slot = HashOf(text) & mask;; slot = (slot + 1) & mask) {
    if (Slots[slot] == 0) {
      Slots[slot] = static_cast<std::uint32_t>(index + 1);
      ++Used;
      return true;
    }
    if (list[Slots[slot] - 1] == text) return false;
  }
}

void TCandidateIndex::Grow(const TStringList& list) {
  std::vector<std::uint32_t> old = std::move(Slots);
  Slots.assign(old.empty() ? 64 : old.size() * 2, 0);
  std::size_t mask = Slots.size() - 1;
  for (std::uint32_t entry : old) {
    if (entry == 0) continue;
    std::size_t slot = HashOf(list[entry - 1]) & mask;
    while (Slots[slot] != 0) slot = (slot + 1) & mask;
    Slots[slot] = entry;
  }
}
