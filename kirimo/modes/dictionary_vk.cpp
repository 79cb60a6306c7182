#include "kirimo/modes/dictionary_vk.h"

#include <string>

#include "common/ascii_case.h"
#include "common/virtual_key.h"
#include "common/dictionary_file.h"
#include "common/blank_text.h"
#include "common/dictionary_line.h"

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
