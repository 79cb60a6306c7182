#include "gleaner/gleaner_form_logic.h"

#include "common/dictionary_line.h"
#include "gleaner/gleaner_messages.h"

namespace {

bool IsGiven(const std::optional<std::string>& text) { return text && !TrimBlanks(*text).empty(); }

// A list box selects nothing outside its items.
int Selectable(int index, const TStringList& items) {
  return index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
}

}  // namespace

TGleanerFormLogic::TGleanerFormLogic(TGleanerController& controller, TProgressView& extractProgress,
                                     TProgressView& saveProgress, TChoiceView& dicSelector)
    : Controller(controller), ExtractProgress(extractProgress), SaveProgress(saveProgress) {
  Controller.SetExtractProgress(&extractProgress);
  Controller.SetSaveProgress(&saveProgress);
  Controller.FillDictionaryChoices(dicSelector);
}

void TGleanerFormLogic::ClearMessage() {
  MessageText.clear();
  MessageIsError = false;
}

void TGleanerFormLogic::FillNotations(int selected) {
  Notations = Controller.GetNotations();
  NotationSelected = Selectable(selected, Notations);
}

void TGleanerFormLogic::FillReadings(const TStringList& readings, int selected) {
  Readings = readings;
  ReadingSelected = Selectable(selected, Readings);
}

void TGleanerFormLogic::ClearLists() {
  Notations.clear();
  Readings.clear();
  NotationSelected = ReadingSelected = -1;
}

void TGleanerFormLogic::TextClear() {
  ClearMessage();
  ExtractProgress.SetPosition(0);
  SaveProgress.SetPosition(0);
  Controller.Clear();
  ClearLists();
}

void TGleanerFormLogic::ExtractWord(std::string_view text) {
  ClearMessage();
  Controller.Extract(text);
  FillNotations(0);
  FillReadings(Controller.GetCurrentReadings(), 0);
  if (Notations.empty() && Readings.empty()) MessageText = "新しい名詞は有りませんでした。";
}

void TGleanerFormLogic::NotationClick(int index) {
  ClearMessage();
  if (Selectable(index, Notations) < 0) return;
  NotationSelected = index;
  FillReadings(Controller.SelectNotation(index), 0);
}

void TGleanerFormLogic::NotationAdd(const std::optional<std::string>& text) {
  ClearMessage();
  if (!IsGiven(text)) return;
  FillNotations(Controller.AddNotation(*text));
  FillReadings(Controller.GetCurrentReadings(), 0);
}

void TGleanerFormLogic::NotationEdit(const std::optional<std::string>& text) {
  ClearMessage();
  if (NotationSelected < 0 || !IsGiven(text)) return;
  FillNotations(Controller.EditNotation(*text));
  FillReadings(Controller.GetCurrentReadings(), 0);
}

void TGleanerFormLogic::NotationDelete() {
  ClearMessage();
  if (NotationSelected < 0) return;
  FillNotations(Controller.DeleteNotation(NotationSelected));
  FillReadings(Controller.GetCurrentReadings(), 0);
}

void TGleanerFormLogic::ReadingClick(int index) {
  ClearMessage();
  if (Selectable(index, Readings) >= 0) ReadingSelected = index;
}

bool TGleanerFormLogic::CanAddReading() {
  ClearMessage();
  if (NotationSelected >= 0) return true;
  MessageText = "単語を選択してください";
  return false;
}

void TGleanerFormLogic::ReadingAdd(const std::optional<std::string>& text) {
  if (!CanAddReading() || !IsGiven(text)) return;
  const int index = Controller.AddReading(*text);
  FillReadings(Controller.GetCurrentReadings(), index);
}

void TGleanerFormLogic::ReadingEdit(const std::optional<std::string>& text) {
  ClearMessage();
  if (ReadingSelected < 0 || !IsGiven(text)) return;
  const int index = Controller.EditReading(ReadingSelected, *text);
  FillReadings(Controller.GetCurrentReadings(), index);
}

void TGleanerFormLogic::ReadingDelete() {
  ClearMessage();
  if (ReadingSelected < 0) return;
  const int index = Controller.DeleteReading(ReadingSelected);
  FillReadings(Controller.GetCurrentReadings(), index);
}

void TGleanerFormLogic::SaveToDic() {
  ClearMessage();
  try {
    Controller.SaveToDictionary();
  } catch (const TWordDicWriteError& error) {
    // A file the user can mend: the list stays as it was, selections too.
    MessageText = SaveFailureText(error.what());
    MessageIsError = true;
    return;
  }
  if (!Controller.GetNotations().empty()) Controller.SelectNotation(0);
  FillNotations(0);
  FillReadings(Controller.GetCurrentReadings(), 0);
}

void TGleanerFormLogic::DictionaryChange() {
  ClearMessage();
  Controller.PrepareSelected();
  ExtractProgress.SetPosition(0);
  SaveProgress.SetPosition(0);
  Controller.Clear();
  ClearLists();
}

std::string TGleanerFormLogic::ReadingPrompt() const {
  std::string prompt = "「";
  return prompt.append(SelectedNotation()).append("」の読みを入力してください");
}

std::string TGleanerFormLogic::SelectedNotation() const {
  return NotationSelected < 0 ? std::string()
                              : Notations[static_cast<std::size_t>(NotationSelected)];
}

std::string TGleanerFormLogic::SelectedReading() const {
  return ReadingSelected < 0 ? std::string() : Readings[static_cast<std::size_t>(ReadingSelected)];
}
