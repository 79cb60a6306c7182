#include "tools/kirimo-script/script_controls.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/cp932.h"
#include "common/dictionary_line.h"
#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_captions.h"

namespace {

// The controls named by a word of their own: the buttons by the captions the
// keypad gives them (the dictionary button by the one it shows without a name).
const std::vector<std::pair<std::string, TKeypadPart>>& Singles() {
  static const std::vector<std::pair<std::string, TKeypadPart>> singles = [] {
    std::vector<std::pair<std::string, TKeypadPart>> words;
    for (TKeypadPart part :
         {TKeypadPart::Clear, TKeypadPart::Dictionary, TKeypadPart::Hide, TKeypadPart::ListLeft,
          TKeypadPart::ListRight, TKeypadPart::ListUp, TKeypadPart::ListDown})
      words.emplace_back(FixedCaption(part), part);
    words.emplace_back("sponsor", TKeypadPart::Sponsor);
    words.emplace_back("title", TKeypadPart::TitleBar);
    words.emplace_back("status", TKeypadPart::StatusBar);
    words.emplace_back("splitter", TKeypadPart::Splitter);
    return words;
  }();
  return singles;
}

std::string Shown(std::string_view text) { return Cp932ToUtf8(text); }

bool IsNumber(std::string_view text) {
  return !text.empty() && text.size() < 10 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The button whose caption, as set or as shown, trims to caption.
template <std::size_t N>
int FindCaption(const std::array<std::string, N>& captions, std::string_view caption,
                std::string_view kind) {
  for (std::size_t i = 0; i < N; ++i) {
    std::string_view set = TrimBlanks(captions[i]);
    std::string shown = ShownCaption(captions[i]);
    if (!set.empty() && (set == caption || TrimBlanks(shown) == caption)) {
      return static_cast<int>(i);
    }
  }
  throw TScriptError("no " + std::string(kind) + " captioned \"" + Shown(caption) + "\"");
}

int FindItem(const TCandidateListModel& list, std::string_view item) {
  bool quoted = item.size() >= 2 && item.front() == '"' && item.back() == '"';
  if (!quoted && IsNumber(item)) {
    int index = std::stoi(std::string(item));
    if (index >= list.Count()) throw TScriptError("no candidate " + std::string(item));
    return index;
  }
  if (quoted) item = item.substr(1, item.size() - 2);
  int index = list.IndexOf(item);
  if (index < 0) throw TScriptError("no candidate \"" + Shown(item) + "\"");
  return index;
}

}  // namespace

TKeypadControl ParseControl(std::string_view name, const TKeypadView& view) {
  name = TrimBlanks(name);
  for (const auto& [word, part] : Singles()) {
    if (name != word) continue;
    if (part == TKeypadPart::Sponsor && !view.SponsorVisible) {
      throw TScriptError("the sponsor strip is hidden");
    }
    return {part, 0};
  }
  std::size_t space = name.find(' ');
  std::string_view kind = name.substr(0, space);
  std::string_view rest = space == std::string_view::npos ? "" : TrimBlanks(name.substr(space));
  if (rest.empty()) throw TScriptError("no control \"" + Shown(name) + "\"");
  if (kind == "key") {
    if (view.GridMode) throw TScriptError("no keys in grid mode");
    return {TKeypadPart::Key, FindCaption(view.Captions.Keys(), rest, "key")};
  }
  if (kind == "vowel") {
    if (!view.VowelRowVisible) throw TScriptError("the vowel row is hidden");
    return {TKeypadPart::Vowel, FindCaption(view.Captions.Vowels(), rest, "vowel button")};
  }
  if (kind == "grid") {
    if (!view.GridMode) throw TScriptError("no grid outside grid mode");
    return {TKeypadPart::GridCell, FindCaption(view.Captions.Grid(), rest, "grid cell")};
  }
  if (kind == "item") return {TKeypadPart::ListBox, FindItem(view.List, rest)};
  if (kind == "stem") {
    if (!view.StemsShown) throw TScriptError("no stem marks while dwell is off");
    return {TKeypadPart::ItemStem, FindItem(view.List, rest)};
  }
  throw TScriptError("no control \"" + Shown(name) + "\"");
}

std::string ControlName(TKeypadControl control, const TKeypadCaptions& captions) {
  for (const auto& [word, part] : Singles()) {
    if (part == control.Part) return std::string(word);
  }
  switch (control.Part) {
    case TKeypadPart::Key:
      return "key " + captions.Keys().at(control.Index);
    case TKeypadPart::Vowel:
      return "vowel " + captions.Vowels().at(control.Index);
    case TKeypadPart::GridCell:
      return "grid " + captions.Grid().at(control.Index);
    case TKeypadPart::ListBox:
      return "item " + std::to_string(control.Index);
    case TKeypadPart::ItemStem:
      return "stem " + std::to_string(control.Index);
    default:
      return "";
  }
}
