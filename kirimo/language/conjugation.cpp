#include "kirimo/language/conjugation.h"

#include <charconv>
#include <string_view>

#include "common/comma_list.h"
#include "common/kana_conversion.h"
#include "common/key_encoding.h"
#include "kirimo/language/grammar_data.h"

namespace {

bool IsMarker(const std::string& ending) { return ending == "*" || ending == "_"; }

TConjItem MakeItem(int type, const TStringList& endings) {
  TConjItem item;
  item.WordType = type;
  for (int form = 0; form < FormCount; ++form) {
    // A short row lacks its last forms.
    std::string text = form < static_cast<int>(endings.size()) ? endings[form] : "_";
    std::string reading = IsMarker(text) ? text : ToHalfWidth(ToKatakana(text));
    item.EndingKeys[form] = IsMarker(text) ? text : ToPatternKey(reading);
    item.EndingReadings[form] = std::move(reading);
    item.EndingTexts[form] = std::move(text);
  }
  return item;
}

std::string Shown(const std::string& ending) { return ending == "*" ? std::string() : ending; }

}  // namespace

TConjugation::TConjugation(const TStringList& endingLines) {
  for (const std::string& line : endingLines) {
    if (line.empty() || line[0] == ';') continue;
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    int type = 0;
    std::from_chars(line.data(), line.data() + equals, type);
    ItemList.push_back(MakeItem(type, SplitCommaList(std::string_view(line).substr(equals + 1))));
  }
  for (std::size_t i = 0; i < ItemList.size(); ++i) {
    int type = ItemList[i].WordType;
    if (type < 0 || type > MaxIndexedType) continue;
    if (static_cast<int>(IndexByType.size()) <= type) IndexByType.resize(type + 1, -1);
    if (IndexByType[type] < 0) IndexByType[type] = static_cast<int>(i);
  }
}

const TConjItem* TConjugation::Find(int type) const {
  if (type >= 0 && type <= MaxIndexedType) {
    if (type >= static_cast<int>(IndexByType.size())) return nullptr;
    int index = IndexByType[type];
    return index < 0 ? nullptr : &ItemList[index];
  }
  for (const TConjItem& item : ItemList)
    if (item.WordType == type) return &item;
  return nullptr;
}

std::string TConjugation::EndingKey(int type, int form) const {
  const TConjItem* item = Find(type);
  return item ? Shown(item->EndingKeys.at(form)) : std::string();
}

std::string TConjugation::EndingReading(int type, int form) const {
  const TConjItem* item = Find(type);
  return item ? Shown(item->EndingReadings.at(form)) : std::string();
}

std::string TConjugation::EndingNotation(int type, int form) const {
  const TConjItem* item = Find(type);
  return item ? Shown(item->EndingTexts.at(form)) : std::string();
}

const std::array<std::string, FormCount>& TConjugation::EndingList(int type) const {
  static const std::array<std::string, FormCount> none = {"*", "_", "_", "_", "_", "_",
                                                          "_", "_", "_", "_", "_", "_"};
  if (const TConjItem* item = Find(type)) return item->EndingTexts;
  return ItemList.empty() ? none : ItemList.front().EndingTexts;
}

const TConjugation& GetConjugation() {
  static const TConjugation conjugation(GetGrammarData().Endings());
  return conjugation;
}
