#include "kirimo/dictionary_dialogs/word_registration.h"

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/dictionary_line.h"
#include "common/kana_conversion.h"
#include "common/text_checks.h"
#include "kirimo/dictionary_dialogs/dictionary_finder.h"
#include "kirimo/language/conjugation.h"
#include "kirimo/language/dictionary.h"
#include "kirimo/language/grammar_data.h"
#include "readings/ime_readings.h"

namespace {

constexpr int SingleByteDefaultTypeIndex = 1;  // "001=名詞"

std::string_view BeforeEquals(std::string_view line) { return line.substr(0, line.find('=')); }

std::string_view AfterEquals(std::string_view line) {
  std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}

bool IsTypeIndex(int index) {
  return index >= 0 && index < static_cast<int>(TWordRegistration::TypeItems().size());
}

std::string_view CodeOf(int typeIndex) {
  return TrimBlanks(BeforeEquals(TWordRegistration::TypeItems()[typeIndex]));
}

TRegistrationOutcome Show(std::string_view message) { return {std::string(message), false}; }

}  // namespace

TWordRegistration::TWordRegistration(const TDictionaryFinder& finder, TReadingSource& readings)
    : Finder(finder), Readings(readings) {}

const TStringList& TWordRegistration::TypeItems() { return GetGrammarData().WordTypes(); }

TStringList TWordRegistration::FormList(std::string_view word, int typeIndex) {
  if (!IsTypeIndex(typeIndex)) return {};
  int code = ToIntegerOr(CodeOf(typeIndex), 0);
  if (code == 0 || code == 1) return {std::string(word)};
  TStringList forms;
  const auto& endings = GetConjugation().EndingList(code);
  const TStringList& names = GetGrammarData().FormNames();
  for (std::size_t i = 0; i < endings.size(); ++i) {
    const std::string& ending = endings[i];
    std::string form = ending == "_"   ? std::string()
                       : ending == "*" ? std::string(word)
                                       : std::string(word) + ending;
    std::string_view name = i < names.size() ? AfterEquals(names[i]) : std::string_view();
    forms.push_back(std::string(name) + "=" + form);
  }
  return forms;
}

TStringList TWordRegistration::DictionaryNames() const { return Finder.RegistrableNames(); }

void TWordRegistration::Clear(TRegistrationFields& fields) {
  fields.Word.clear();
  fields.Reading.clear();
  fields.ReadingList.clear();
  fields.TypeIndex = -1;
}

void TWordRegistration::ProposeReadings(TRegistrationFields& fields) const {
  std::string_view word = TrimBlanks(fields.Word);
  if (word.empty()) return;
  std::size_t characters = 0;
  ForEachChar(word, [&](std::string_view) { ++characters; });
  if (characters > MaxProposedCharacters)
    fields.ReadingList.clear();
  else
    GetImeReadings(Readings, word, fields.ReadingList);
  if (TrimBlanks(fields.Reading).empty() && !fields.ReadingList.empty())
    fields.Reading = fields.ReadingList.front();
}

TRegistrationOutcome TWordRegistration::Register(TRegistrationFields& fields) const {
  if (!IsSingleByteText(fields.Word)) return RegisterJapanese(fields);
  TRegistrationOutcome outcome = RegisterSingleByte(fields);
  fields.Reading = fields.Word;
  fields.ReadingList.clear();
  if (!IsTypeIndex(fields.TypeIndex)) fields.TypeIndex = SingleByteDefaultTypeIndex;
  outcome.FocusWord = true;
  return outcome;
}

TRegistrationOutcome TWordRegistration::RegisterJapanese(TRegistrationFields& fields) const {
  fields.Word = std::string(TrimBlanks(fields.Word));
  fields.Reading = ToHalfWidth(ToKatakana(TrimBlanks(fields.Reading)));
  if (fields.Word.empty() || fields.Reading.empty() || !IsTypeIndex(fields.TypeIndex) ||
      !IsSingleByteText(fields.Reading))
    return Show(InvalidInputMessage);
  return Store(fields.DicName, fields.Reading, fields.Word, CodeOf(fields.TypeIndex));
}

TRegistrationOutcome TWordRegistration::RegisterSingleByte(TRegistrationFields& fields) const {
  std::string_view word = TrimBlanks(fields.Word);
  // An empty word would store a line that loads as nothing, yet claim success.
  if (word.empty()) return Show(InvalidInputMessage);
  std::string_view code = IsTypeIndex(fields.TypeIndex) ? CodeOf(fields.TypeIndex) : "001";
  return Store(fields.DicName, word, word, code);
}

TRegistrationOutcome TWordRegistration::Store(std::string_view dicName, std::string_view reading,
                                              std::string_view word, std::string_view code) const {
  TDictionary* main = Finder.FindByName(dicName);
  TDictionary* user = Finder.FindUserByName(dicName);
  if (user == nullptr) return {};
  // Quoted where a field holds a comma or blank, so the line reads back as written.
  std::string line = FormatDictionaryLine(reading, word, ToIntegerOr(code, 1));
  if ((main != nullptr && main->ContainsEntry(line)) || user->ContainsEntry(line))
    return Show(DuplicateMessage);
  if (user->AddEntry(line) >= 0) return Show(RegisteredMessage);
  return {};
}
