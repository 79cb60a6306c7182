#include "kirimo/shell/input_replay.h"

void TInputReplay::Reset() {
  Steps.assign(1, "!");
  Index = 0;
}

namespace {

// Built in place: GCC 12 warns falsely about a concatenation here at -O3 on 32 bits.
std::string Tagged(char tag, std::string_view text) {
  std::string entry(1, tag);
  entry += text;
  return entry;
}

}  // namespace

void TInputReplay::Write(std::string entry) {
  ++Index;
  if (Index >= static_cast<int>(Steps.size())) {
    Index = static_cast<int>(Steps.size());
    Steps.push_back(std::move(entry));
  } else {
    Steps[Index] = std::move(entry);
  }
}

void TInputReplay::RecordKey(std::string_view text) {
  Write(Tagged('K', text));
  int next = Index + 1;
  if (next < static_cast<int>(Steps.size()) - 1 && Steps[next].starts_with('V')) {
    Steps.erase(Steps.begin() + next);
  }
}

void TInputReplay::RecordStep(char tag, std::string_view text) { Write(Tagged(tag, text)); }

void TInputReplay::Back() {
  if (Index <= 0) return;
  Index -= Steps[Index].starts_with('V') ? 2 : 1;
  // A vowel at the very start refined no key: never step before the marker.
  if (Index < 0) Index = 0;
}

std::optional<TInputReplay::TStep> TInputReplay::Forward() {
  if (Index + 1 >= static_cast<int>(Steps.size())) return std::nullopt;
  ++Index;
  const std::string& entry = Steps[Index];
  if (entry.empty()) return TStep{'\0', ""};
  return TStep{entry[0], entry.substr(1)};
}
