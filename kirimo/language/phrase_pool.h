#pragma once
// Storage for phrase nodes, owned by whoever owns the phrases (a phrase list,
// the particle dictionary). Nodes stay where they are until the pool is freed,
// so later nodes, in this pool or another, may point at them.
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "kirimo/language/phrase.h"

class TPhrasePool {
 public:
  TPhrasePool() = default;
  TPhrasePool(const TPhrasePool&) = delete;
  TPhrasePool& operator=(const TPhrasePool&) = delete;
  TPhrasePool(TPhrasePool&&) noexcept = default;
  TPhrasePool& operator=(TPhrasePool&&) noexcept = default;

  // A new node built from the arguments of a TPhrase constructor.
  template <typename... Args>
  const TPhrase* New(Args&&... args) {
    TPhrase* node = Allocate();
    *node = TPhrase(std::forward<Args>(args)...);
    return node;
  }

  std::size_t Count() const { return NodeCount; }

 private:
  TPhrase* Allocate();

  // Blocks grow from small to large: most lists hold a few nodes, some thousands.
  std::vector<std::unique_ptr<TPhrase[]>> Blocks;
  std::size_t LastBlockSize = 0;
  std::size_t UsedInLastBlock = 0;
  std::size_t NodeCount = 0;
};
