#include "kirimo/language/phrase_pool.h"

#include <algorithm>

namespace {

constexpr std::size_t FirstBlockSize = 8;
constexpr std::size_t LargestBlockSize = 1024;

}  // namespace

TPhrase* TPhrasePool::Allocate() {
  if (Blocks.empty() || UsedInLastBlock == LastBlockSize) {
    LastBlockSize = Blocks.empty() ? FirstBlockSize : std::min(LastBlockSize * 2, LargestBlockSize);
    Blocks.push_back(std::make_unique<TPhrase[]>(LastBlockSize));
    UsedInLastBlock = 0;
  }
  ++NodeCount;
  return &Blocks.back()[UsedInLastBlock++];
}
