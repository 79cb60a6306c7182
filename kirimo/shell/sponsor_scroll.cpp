#include "kirimo/shell/sponsor_scroll.h"

TSponsorScroll::TSponsorScroll(std::vector<TSponsorEntry> entries, int firstIndex)
    : Entries(std::move(entries)) {
  int count = static_cast<int>(Entries.size());
  Index = count == 0 ? 0 : ((firstIndex % count) + count) % count;
}

void TSponsorScroll::Advance(int textWidth, int clientWidth) {
  ScrollX -= StepPixels;
  if (ScrollX + textWidth >= 0) return;
  ScrollX = clientWidth;
  if (!Entries.empty()) Index = (Index + 1) % static_cast<int>(Entries.size());
}

const std::string& TSponsorScroll::Text() const {
  return Entries.empty() ? Default : Entries[static_cast<std::size_t>(Index)].Message;
}

std::optional<std::string> TSponsorScroll::Page() const {
  if (Entries.empty()) return std::nullopt;
  return Entries[static_cast<std::size_t>(Index)].Url;
}
