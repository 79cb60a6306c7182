#pragma once
// The keys the virtual-key mode offers: lines "name=label" of a text file, in
// file order. Read once; it never changes afterwards.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/string_list.h"
#include "kirimo/language/dictionary.h"

class TDictionaryVK : public TDictionary {
 public:
  // Reads the file, creating it empty when it does not exist.
  TDictionaryVK(std::string name, std::string fileName);

  const TStringList& GetLabels() const { return KeyLabels; }
  // The code of the first entry with this label (letter case ignored); 0 when
  // no entry has it or its name is no key name.
  std::uint8_t LabelToCode(std::string_view label) const;
  // The label of the first entry named like the code's key; empty when none.
  std::string CodeToLabel(std::uint8_t code) const;
  // Sorts labels of this dictionary shorter first, then in collation order,
  // equal ones kept in their order, by places worked out once at load: a
  // narrowing of 100,000 labels sorts without collating any. Labels it does
  // not hold go last.
  void SortInListOrder(TStringList& labels) const;

 private:
  TStringList KeyNames;
  TStringList KeyLabels;
  std::unordered_map<std::string, std::uint32_t> ListPlaces;
};
