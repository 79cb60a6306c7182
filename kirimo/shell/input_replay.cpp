#include "kirimo/shell/input_replay.h"

void TInputReplay::Reset() {
  Steps.assign(1, "!");
  Index = 0;
}

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
  Write('K' + std::string(text));
  int next = Index + 1;
  if (next < static_cast<int>(Steps.size()) - 1 && Steps[next].starts_with('V')) {
    Steps.erase(Steps.begin() + next);
  }
}

void TInputReplay::RecordStep(char tag, std::string_view text) { Write(tag + std::string(text)); }

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
