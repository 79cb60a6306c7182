#include "gleaner/gleaner_controller.h"

#include <stdexcept>

#include "common/char_class.h"
#include "common/cp932.h"
#include "common/dictionary_line.h"
#include "common/kana_conversion.h"
#include "gleaner/extract_words.h"

namespace {

constexpr int NounType = 1;

// Only single-byte letters: a trail byte may look like one.
std::string ToLowerAscii(std::string_view text) {
  std::string lower;
  lower.reserve(text.size());
  ForEachChar(text, [&](std::string_view ch) {
    if (ch.size() == 1 && ch[0] >= 'A' && ch[0] <= 'Z') {
      lower += static_cast<char>(ch[0] - 'A' + 'a');
    } else {
      lower += ch;
    }
  });
  return lower;
}

bool HasEntry(const TWordDic* dic, std::string_view notation, std::string_view reading) {
  return dic != nullptr && dic->FindEntry(notation, reading) >= 0;
}

bool HasNotation(const TWordDic* dic, std::string_view notation) {
  return dic != nullptr && dic->FindNotation(notation) >= 0;
}

}  // namespace

TGleanerController::TGleanerController(const TGleanerAppIni& settings, TReadingQuery& readings)
    : ReadingQuery(readings) {
  for (int index = 0; index < TGleanerAppIni::DicCount; ++index) {
    const TGleanerDicFiles& files = settings.Dic(index);
    // Without a user file there is nowhere to save or look for saved words.
    if (!settings.IsPresent(index) || files.UsrFile.empty()) continue;
    TDicPair& pair = Pairs[static_cast<std::size_t>(index)];
    pair.DicName = files.DicName;
    pair.Dic = std::make_unique<TWordDic>(files.DicFile);
    pair.Usr = std::make_unique<TWordDic>(files.UsrFile);
  }
  TDicPair& base = Pairs[TGleanerAppIni::BaseDic];
  if (base.Dic) {
    base.Dic->PrepareRows();
    base.Usr->PrepareRows();
  }
}

void TGleanerController::Clear() {
  Current = -1;
  Notations.clear();
  Readings.clear();
  Status.clear();
  WrittenLines.clear();
}

void TGleanerController::Extract(std::string_view text) {
  Clear();
  PrepareSelected();
  const TWordDic* dic = SelectedDic();
  const TWordDic* usr = SelectedUsr();
  const TStringList words = ExtractWords(text);
  if (ExtractProgress) {
    ExtractProgress->SetRange(0, static_cast<int>(words.size()));
    ExtractProgress->SetPosition(0);
  }
  for (const std::string& word : words) {
    if (ExtractProgress) ExtractProgress->StepIt();
    TestWord(word, dic, usr);
  }
  Current = Notations.empty() ? -1 : 0;
}

void TGleanerController::TestWord(const std::string& word, const TWordDic* dic,
                                  const TWordDic* usr) {
  if (IsAllLetters(word)) {
    std::string reading = ToLowerAscii(ToHalfWidth(word));
    if (!HasEntry(dic, word, reading) && !HasEntry(usr, word, reading))
      AppendEntry(word, {std::move(reading)}, StatusProposed);
    return;
  }
  TStringList proposed = ReadingQuery.Readings(word);
  if (proposed.empty()) {
    if (!HasNotation(dic, word) && !HasNotation(usr, word)) AppendEntry(word, {}, StatusNoReading);
    return;
  }
  TStringList unknown;
  for (std::string& reading : proposed) {
    if (!HasEntry(dic, word, reading) && !HasEntry(usr, word, reading))
      unknown.push_back(std::move(reading));
  }
  if (!unknown.empty()) AppendEntry(word, std::move(unknown), StatusProposed);
}

void TGleanerController::AppendEntry(const std::string& notation, TStringList readings,
                                     std::uint8_t status) {
  Notations.push_back(notation);
  Readings.push_back(std::move(readings));
  Status.push_back(status);
}

void TGleanerController::SaveToDictionary() {
  if (Notations.empty()) return;
  PrepareSelected();
  TWordDic* usr = SelectedUsr();
  if (!usr) throw std::runtime_error("登録する辞書が選ばれていません。");
  if (SaveProgress) {
    SaveProgress->SetRange(0, static_cast<int>(Notations.size()) + 1);
    SaveProgress->SetPosition(0);
  }
  TStringList batch;
  std::set<std::string> batchLines;
  std::vector<std::size_t> withLines;
  for (std::size_t entry = 0; entry < Notations.size(); ++entry) {
    bool hasLine = false;
    for (const std::string& reading : Readings[entry]) {
      std::string_view trimmed = TrimBlanks(reading);
      if (trimmed.empty()) continue;
      hasLine = true;
      // Quoted where needed, so that the line reads back as this very pair.
      std::string line = FormatDictionaryLine(trimmed, TrimBlanks(Notations[entry]), NounType);
      if (!WrittenLines.contains(line) && batchLines.insert(line).second)
        batch.push_back(std::move(line));
    }
    if (hasLine) withLines.push_back(entry);
    if (SaveProgress) SaveProgress->StepIt();
  }
  // Nothing is marked before the file holds the lines.
  usr->Append(batch);
  WrittenLines.merge(batchLines);
  for (std::size_t entry : withLines) Status[entry] = StatusSaved;
  if (SaveProgress) SaveProgress->StepIt();
}

void TGleanerController::FillDictionaryChoices(TChoiceView& selector) {
  DicSelector = &selector;
  TStringList names;
  for (const TDicPair& pair : Pairs) {
    if (pair.Dic && (names.empty() || !pair.DicName.empty())) names.push_back(pair.DicName);
  }
  selector.SetItems(names);
  selector.SetItemIndex(0);
}

int TGleanerController::SelectedPair() const {
  if (!DicSelector) return -1;
  const std::string chosen = DicSelector->Text();
  for (std::size_t index = 0; index < Pairs.size(); ++index) {
    if (Pairs[index].Dic && Pairs[index].DicName == chosen) return static_cast<int>(index);
  }
  return -1;
}

int TGleanerController::SelectedExtension() const {
  const int pair = SelectedPair();
  return pair > 0 ? pair : 0;
}

TWordDic* TGleanerController::SelectedDic() const {
  const int pair = SelectedPair();
  return pair < 0 ? nullptr : Pairs[static_cast<std::size_t>(pair)].Dic.get();
}

TWordDic* TGleanerController::SelectedUsr() const {
  const int pair = SelectedPair();
  return pair < 0 ? nullptr : Pairs[static_cast<std::size_t>(pair)].Usr.get();
}

void TGleanerController::PrepareSelected() {
  if (SelectedExtension() == 0) return;
  SelectedDic()->PrepareRows();
  SelectedUsr()->PrepareRows();
}
