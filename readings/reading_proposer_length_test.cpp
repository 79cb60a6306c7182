// Long words: what a proposal takes grows with the word, not with its square,
// and however long a notation some file holds.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "readings/reading_proposer.h"

// The heap in use and its peak, counted by this test program's allocations.
namespace {
std::atomic<std::size_t> HeapInUse{0}, PeakHeap{0};
constexpr std::size_t Header = 16;  // keeps the block's alignment
}  // namespace

void* operator new(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + Header));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  std::size_t now = HeapInUse += size;
  for (std::size_t peak = PeakHeap; now > peak && !PeakHeap.compare_exchange_weak(peak, now);) {
  }
  return block + Header;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* pointer) noexcept {
  if (pointer == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(pointer) - Header;
  HeapInUse -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}
void operator delete[](void* pointer) noexcept { operator delete(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { operator delete(pointer); }
// The standard library asks for some buffers without exceptions; a sanitizer's
// own versions of these would not put the header in front.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { operator delete(pointer); }

namespace {

std::string Repeated(std::string_view text, std::size_t times) {
  std::string run;
  for (std::size_t i = 0; i < times; ++i) run += text;
  return run;
}

TReadingIndex& SchoolIndex() {
  static TReadingIndex* index = [] {
    auto* built = new TReadingIndex;
    built->AddDictionaryText(
        "ｶﾞｯｺｳ,学校,001\r\nｶﾞｸ,学,001\r\nｺｳ,校,001\r\nｹﾝｷｭｳ,研究,001\r\nｼｮ,所,001\r\n", true);
    built->Finish();
    return built;
  }();
  return *index;
}

// The most heap one proposal held at once, its answer included.
std::size_t PeakOfProposal(const TReadingProposer& proposer, std::string_view word,
                           TStringList& proposals) {
  std::size_t before = HeapInUse;
  PeakHeap = before;
  proposals = proposer.Propose(word);
  return PeakHeap - before;
}

}  // namespace

TEST(ReadingProposerLength, MemoryGrowsWithTheWordNotWithItsSquare) {
  TReadingProposer proposer(SchoolIndex());
  TStringList shortProposals, longProposals;
  std::size_t shortPeak = PeakOfProposal(proposer, Repeated("学校", 200), shortProposals);
  std::size_t longPeak = PeakOfProposal(proposer, Repeated("学校", 800), longProposals);
  ASSERT_FALSE(longProposals.empty());
  EXPECT_EQ(shortProposals.at(0), Repeated("ｶﾞｯｺｳ", 200));
  EXPECT_EQ(longProposals.at(0), Repeated("ｶﾞｯｺｳ", 800));
  // Four times the characters: about four times the memory, where copying
  // each partial reading whole took sixteen.
  EXPECT_LT(longPeak, 6 * shortPeak) << shortPeak << " bytes, then " << longPeak;
}

TEST(ReadingProposerLength, NoNotationIsLookedUpAsAPartPastAFixedLength) {
  // Words a user file holds: one as long as a part may be, one a character longer.
  std::string part = Repeated("学", 32), longer = Repeated("学", 33);
  TReadingIndex index;
  index.AddDictionaryText("ｶﾞｸ,学,001\r\nﾎﾝ,本,001\r\n", true);
  index.AddDictionaryText("ﾆ," + part + ",001\r\nｲﾁ," + longer + ",001\r\n", false);
  index.Finish();
  TReadingProposer proposer(index);
  EXPECT_EQ(proposer.Propose(longer), (TStringList{"ｲﾁ"}));  // held whole, found at any length
  EXPECT_EQ(proposer.Propose("本" + part).at(0), "ﾎﾝﾆ");
  // As a part the longer one is never tried, so a notation of any length in
  // some file adds nothing to each position of a long word.
  TStringList readings = proposer.Propose("本" + longer);
  ASSERT_FALSE(readings.empty());
  for (const std::string& reading : readings) EXPECT_EQ(reading.find("ｲﾁ"), std::string::npos);
}
