#include "readings/ime_candidate_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace {

void PutUint32(std::string& block, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) block[at + i] = static_cast<char>(value >> (8 * i));
}

// A block as an input method writes it, from the raw strings given.
std::string Block(std::initializer_list<std::string> strings) {
  std::string block(24 + 4 * strings.size(), '\0');
  PutUint32(block, 8, static_cast<std::uint32_t>(strings.size()));
  std::size_t i = 0;
  for (const std::string& s : strings) {
    PutUint32(block, 24 + 4 * i++, static_cast<std::uint32_t>(block.size()));
    block += s;
  }
  PutUint32(block, 0, static_cast<std::uint32_t>(block.size()));
  return block;
}

std::string Wide(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text)
    bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes + std::string(2, '\0');
}

}  // namespace

TEST(ParseAnsiCandidates, EachStringRunsToTheNextOffset) {
  std::string block = Block({std::string("かん\0", 5), std::string("ｶﾝ\0\0", 4)});
  EXPECT_EQ(ParseAnsiCandidates(block),
            (TStringList{std::string("かん\0", 5), std::string("ｶﾝ\0\0", 4)}));
  EXPECT_TRUE(ParseAnsiCandidates(Block({})).empty());
}

TEST(ParseWideCandidates, NulTerminatedUtf16InCp932) {
  std::string block = Block({Wide(u"\u304B\u3093"), Wide(u"kan")});
  EXPECT_EQ(ParseWideCandidates(block), (TStringList{"かん", "kan"}));
}

TEST(CandidateBlocks, DamagedBlocksAreNeverReadPastTheirEnd) {
  EXPECT_TRUE(ParseAnsiCandidates("").empty());
  EXPECT_TRUE(ParseWideCandidates(std::string(23, '\x01')).empty());

  std::string counted = Block({"ab"});
  PutUint32(counted, 8, 1000);  // more strings than offsets fit
  EXPECT_EQ(ParseAnsiCandidates(counted), (TStringList{"ab"}));

  std::string outside = Block({"ab", "cd"});
  PutUint32(outside, 28, 5000);  // second offset beyond the block
  EXPECT_EQ(ParseAnsiCandidates(outside), (TStringList{"abcd"}));

  std::string backwards = Block({"ab", "cd"});
  PutUint32(backwards, 28, 24);  // second offset before the first
  EXPECT_EQ(ParseAnsiCandidates(backwards).size(), 2u);

  std::string unterminated = Block({std::string("k\0a", 3)});
  EXPECT_EQ(ParseWideCandidates(unterminated), (TStringList{"k"}));  // the odd byte is dropped

  std::string shortened = Block({"abcdef"});
  PutUint32(shortened, 0, 30);  // the size field cuts the last string
  EXPECT_EQ(ParseAnsiCandidates(shortened), (TStringList{"ab"}));
}
