// Taking in whole dictionary files: the words keep pointing into the file's text.
#include <algorithm>

#include "common/dictionary_line.h"
#include "readings/reading_index.h"

void TReadingIndex::AddDictionaryText(std::string contents, bool ordered) {
  const std::string& text = Buffers.emplace_back(std::move(contents));
  auto inText = [&](std::string_view field) {
    return field.data() >= text.data() && field.data() + field.size() <= text.data() + text.size();
  };
  Reserve(Chains.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  TLineFields fields;
  TEntryFields entry;
  int rank = 0;
  ForEachLine(text, [&](int, std::string_view line) {
    SplitLineFields(line, fields);
    if (!EntryOfFields(fields, entry)) return;
    if (entry.Reading.empty() || entry.Reading == "_" || entry.Notation.empty() ||
        entry.Notation == "_")
      return;
    float cost = ordered ? CostOfRank(rank++) : UnrankedCost;
    // A quoted field with a doubled quote lives in the line's scratch space.
    std::string_view notation = inText(entry.Notation)
                                    ? entry.Notation
                                    : std::string_view(Buffers.emplace_back(entry.Notation));
    Insert(notation, entry.Reading, inText(entry.Reading), WordTypeOf(entry.Type), cost);
  });
}
