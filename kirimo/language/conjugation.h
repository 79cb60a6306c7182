#pragma once
// The ending table as a lookup: for a word type and a conjugation form (0-11)
// the ending as written, as half-width reading and as key string.
#include <array>
#include <string>
#include <vector>

#include "common/string_list.h"

inline constexpr int FormCount = 12;

struct TConjItem {
  int WordType = 0;
  // Per form: "*" an empty ending, "_" no such form, else the ending.
  std::array<std::string, FormCount> EndingTexts;
  std::array<std::string, FormCount> EndingReadings;
  std::array<std::string, FormCount> EndingKeys;
};

class TConjugation {
 public:
  // From ending-table lines "type=e0,e1,...,e11"; lines starting with ";" are skipped.
  explicit TConjugation(const TStringList& endingLines);

  // "*" gives the empty text, "_" stays "_"; a type without a row gives empty texts.
  std::string EndingKey(int type, int form) const;
  std::string EndingReading(int type, int form) const;
  std::string EndingNotation(int type, int form) const;
  // The twelve endings as written; a type without a row has those of the first
  // row (type 000: only form 0 exists). A form exists where this is not "_".
  const std::array<std::string, FormCount>& EndingList(int type) const;

  const std::vector<TConjItem>& Items() const { return ItemList; }

 private:
  const TConjItem* Find(int type) const;

  // Types 0 to MaxIndexedType are found by index: words ask on every key.
  static constexpr int MaxIndexedType = 999;
  std::vector<TConjItem> ItemList;
  std::vector<int> IndexByType;
};

// The program's conjugation table, built from the built-in ending table on first use.
const TConjugation& GetConjugation();
