#include "readings/ime_candidate_block.h"

#include <cstdint>
#include <vector>

#include "common/cp932.h"

namespace {

constexpr std::size_t kCountAt = 8;
constexpr std::size_t kOffsetsAt = 24;

std::uint32_t ReadUint32(std::string_view block, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(block[at + i])) << (8 * i);
  return value;
}

// The block as far as its own size says, and the offsets that fall inside it.
std::vector<std::size_t> Offsets(std::string_view& block) {
  std::vector<std::size_t> offsets;
  if (block.size() < kOffsetsAt) return offsets;
  std::size_t size = ReadUint32(block, 0);
  if (size < block.size()) block = block.substr(0, size);
  if (block.size() < kOffsetsAt) return offsets;
  std::size_t count = ReadUint32(block, kCountAt);
  std::size_t room = (block.size() - kOffsetsAt) / 4;
  if (count > room) count = room;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t offset = ReadUint32(block, kOffsetsAt + 4 * i);
    if (offset < block.size()) offsets.push_back(offset);
  }
  return offsets;
}

}  // namespace

TStringList ParseAnsiCandidates(std::string_view block) {
  std::vector<std::size_t> offsets = Offsets(block);
  TStringList candidates;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    std::size_t end = i + 1 < offsets.size() ? offsets[i + 1] : block.size();
    if (end < offsets[i]) end = block.size();
    candidates.emplace_back(block.substr(offsets[i], end - offsets[i]));
  }
  return candidates;
}

TStringList ParseWideCandidates(std::string_view block) {
  std::vector<std::size_t> offsets = Offsets(block);
  TStringList candidates;
  for (std::size_t offset : offsets) {
    std::u16string text;
    for (std::size_t at = offset; at + 1 < block.size(); at += 2) {
      char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(block[at]) |
                                            static_cast<unsigned char>(block[at + 1]) << 8);
      if (unit == 0) break;
      text += unit;
    }
    candidates.push_back(Utf16ToCp932(text));
  }
  return candidates;
}
