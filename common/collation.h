#pragma once
// The order the candidate and virtual-key lists sort by, standing for a
// Japanese locale's string order (see collation.cpp for the order itself).
#include <string>
#include <string_view>
#include <vector>

// -1, 0 or +1; 0 only for equal texts.
int CompareText(std::string_view a, std::string_view b);

// One character's place in the order (see collation.cpp).
struct TCollationElement {
  int Primary;
  int Voicing;
  int Form;
};

// A text's place in the order, worked out once: a sort of many texts compares
// these instead of working out both texts again at every comparison.
class TCollationKey {
 public:
  explicit TCollationKey(std::string_view text);
  // -1, 0 or +1, as CompareText of the two texts.
  int Compare(const TCollationKey& other) const;

 private:
  std::vector<TCollationElement> Elements;
  std::string Text;
};
