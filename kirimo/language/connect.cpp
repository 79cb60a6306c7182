#include "kirimo/language/connect.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <utility>

#include "common/comma_list.h"
#include "kirimo/language/grammar_data.h"

namespace {

std::optional<std::int16_t> ToInt16(const std::string& text) {
  std::int16_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<TConnItem> ParseItem(const std::string& line) {
  TStringList fields = SplitCommaList(line);
  if (fields.size() < 3) return std::nullopt;
  auto type = ToInt16(fields[0]), form = ToInt16(fields[1]), follower = ToInt16(fields[2]);
  if (!type || !form || !follower) return std::nullopt;
  return TConnItem{*type, *form, *follower};
}

}  // namespace

TConnect::TConnect(std::unique_ptr<TDictionaryJPSub> particleDic,
                   const TStringList& connectionLines)
    : ParticleDictionary(std::move(particleDic)) {
  for (const std::string& line : connectionLines) {
    if (line.empty()) continue;
    if (auto item = ParseItem(line)) ItemList.push_back(*item);
  }
  std::map<std::pair<int, int>, std::vector<const TWord*>> byPair;
  for (const TConnItem& item : ItemList)
    if (const TWord* word = ParticleDictionary->FindWordById(item.FollowerId))
      byPair[{item.WordType, item.Form}].push_back(word);
  for (const auto& [pair, words] : byPair) {
    auto begin = static_cast<std::uint32_t>(FollowerWords.size());
    FollowerWords.insert(FollowerWords.end(), words.begin(), words.end());
    Pairs.push_back({static_cast<std::int16_t>(pair.first), static_cast<std::int16_t>(pair.second),
                     begin, static_cast<std::uint32_t>(FollowerWords.size())});
  }
}

std::span<const TWord* const> TConnect::FindFollowers(int type, int form) const {
  auto it = std::lower_bound(Pairs.begin(), Pairs.end(), std::pair(type, form),
                             [](const TPairRange& range, std::pair<int, int> key) {
                               return std::pair<int, int>(range.WordType, range.Form) < key;
                             });
  if (it == Pairs.end() || it->WordType != type || it->Form != form) return {};
  return std::span<const TWord* const>(FollowerWords).subspan(it->Begin, it->End - it->Begin);
}

std::span<const TWord* const> TConnect::FindFollowers(const TPhrase& phrase) const {
  const TWord* last = phrase.LastWord();
  return last ? FindFollowers(last->WordType(), phrase.LastForm())
              : std::span<const TWord* const>();
}

void TFollowerQuery::FindFollowers(const TPhrase& phrase) {
  Followers = Connect.FindFollowers(phrase);
  Cursor = 0;
}

const TConnect& GetConnect() {
  static const TConnect connect(std::make_unique<TDictionaryJPSub>(),
                                GetGrammarData().Connections());
  return connect;
}
