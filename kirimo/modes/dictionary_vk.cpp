#include "kirimo/modes/dictionary_vk.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "common/ascii_case.h"
#include "common/blank_text.h"
#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/list_filters.h"
#include "common/virtual_key.h"

namespace {

// Index of the first item equal to text, letter case ignored; -1 when none.
int IndexIgnoringCase(const TStringList& list, std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (EqualsIgnoringCase(list[i], text)) return static_cast<int>(i);
  return -1;
}

}  // namespace

TDictionaryVK::TDictionaryVK(std::string name, std::string fileName)
    : TDictionary(std::move(name), std::move(fileName)) {
  CreateFileIfMissing(GetFileName());
  ForEachLine(ReadWholeFile(GetFileName()), [this](int, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;  // not an entry
    std::string_view label = TrimBlanks(line.substr(equals + 1));
    if (label.empty()) return;
    KeyNames.emplace_back(TrimBlanks(line.substr(0, equals)));
    KeyLabels.emplace_back(label);
  });
  TStringList sorted = KeyLabels;
  SortByLengthThenText(sorted);
  ListPlaces.reserve(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i)
    ListPlaces.emplace(std::move(sorted[i]), static_cast<std::uint32_t>(i));
}

void TDictionaryVK::SortInListOrder(TStringList& labels) const {
  std::vector<std::pair<std::uint32_t, std::size_t>> places;  // the index breaks ties
  places.reserve(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto found = ListPlaces.find(labels[i]);
    places.emplace_back(
        found == ListPlaces.end() ? std::numeric_limits<std::uint32_t>::max() : found->second, i);
  }
  std::sort(places.begin(), places.end());
  TStringList sorted;
  sorted.reserve(labels.size());
  for (const auto& place : places) sorted.push_back(std::move(labels[place.second]));
  labels = std::move(sorted);
}

std::uint8_t TDictionaryVK::LabelToCode(std::string_view label) const {
  const int index = IndexIgnoringCase(KeyLabels, label);
  return index < 0 ? 0 : VirtualKeyCode(KeyNames[index]);
}

std::string TDictionaryVK::CodeToLabel(std::uint8_t code) const {
  const std::string_view name = VirtualKeyName(code);
  if (name.empty()) return {};
  const int index = IndexIgnoringCase(KeyNames, name);
  return index < 0 ? std::string() : KeyLabels[index];
}
