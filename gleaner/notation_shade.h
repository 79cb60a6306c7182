#pragma once
// The background of an unselected notation by its entry's status: yellow
// without a reading, the list's own colour while proposed, aqua once saved.
#include <cstdint>

enum class TNotationShade : std::uint8_t { NoReading, Proposed, Saved };

constexpr TNotationShade NotationShade(std::uint8_t status) {
  if (status == 2) return TNotationShade::Saved;
  if (status == 1) return TNotationShade::Proposed;
  return TNotationShade::NoReading;
}
