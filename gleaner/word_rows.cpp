#include "gleaner/word_rows.h"

#include "common/dictionary_line.h"

int TWordRows::Append(std::string_view line) {
  TLineFields fields;
  SplitLineFields(line, fields);
  TEntryFields entry;
  const int index = Count();
  NextSameNotation.push_back(-1);
  if (!EntryOfFields(fields, entry)) {
    Rows.emplace_back();
    return index;
  }
  const TWordRow& row =
      Rows.emplace_back(TWordRow{std::string(entry.Reading), std::string(entry.Notation)});
  auto [chain, added] = ByNotation.try_emplace(row.Notation, TChain{index, index});
  if (!added) {
    NextSameNotation[static_cast<std::size_t>(chain->second.Last)] = index;
    chain->second.Last = index;
  }
  return index;
}

int TWordRows::FindEntry(std::string_view notation, std::string_view reading) const {
  auto chain = ByNotation.find(notation);
  if (chain == ByNotation.end()) return -1;
  for (int index = chain->second.First; index >= 0;
       index = NextSameNotation[static_cast<std::size_t>(index)]) {
    if (Rows[static_cast<std::size_t>(index)].Reading == reading) return index;
  }
  return -1;
}

int TWordRows::FindNotation(std::string_view notation) const {
  auto chain = ByNotation.find(notation);
  return chain == ByNotation.end() ? -1 : chain->second.First;
}
