#include "gleaner/plain_views.h"

#include <algorithm>

void TPlainProgress::SetRange(int minimum, int maximum) {
  Minimum = minimum;
  Maximum = std::max(minimum, maximum);
  Position = std::clamp(Position, Minimum, Maximum);
}

void TPlainProgress::SetPosition(int position) {
  Position = std::clamp(position, Minimum, Maximum);
}

void TPlainProgress::StepIt() { SetPosition(Position + 1); }

void TPlainChoice::SetItems(const TStringList& items) {
  Items = items;
  ItemIndex = -1;
}

void TPlainChoice::SetItemIndex(int index) {
  ItemIndex = index >= 0 && index < static_cast<int>(Items.size()) ? index : -1;
}

std::string TPlainChoice::Text() const {
  return ItemIndex < 0 ? std::string() : Items[static_cast<std::size_t>(ItemIndex)];
}

bool TPlainChoice::Choose(std::string_view text) {
  auto found = std::find(Items.begin(), Items.end(), text);
  if (found == Items.end()) return false;
  ItemIndex = static_cast<int>(found - Items.begin());
  return true;
}
