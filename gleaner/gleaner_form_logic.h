#pragma once
// What Gleaner's window does for each of its events, without the window: the
// contents and selections of its two lists and the message it shows. The
// window forwards its events here and paints what this holds; the headless
// driver does the same.
#include <optional>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "gleaner/gleaner_controller.h"

class TGleanerFormLogic {
 public:
  // Hands the controller the progress bars and the dictionary drop-down.
  TGleanerFormLogic(TGleanerController& controller, TProgressView& extractProgress,
                    TProgressView& saveProgress, TChoiceView& dicSelector);

  // The event handlers. Texts come from the input boxes: nullopt when the
  // box was cancelled; a blank text changes nothing either.
  void TextClear();
  void ExtractWord(std::string_view text);
  void NotationClick(int index);
  void NotationAdd(const std::optional<std::string>& text);
  void NotationEdit(const std::optional<std::string>& text);
  void NotationDelete();
  void ReadingClick(int index);
  // False (and the message set) when no notation is selected: the window then
  // opens no input box.
  bool CanAddReading();
  void ReadingAdd(const std::optional<std::string>& text);
  void ReadingEdit(const std::optional<std::string>& text);
  void ReadingDelete();
  void SaveToDic();
  void DictionaryChange();

  // The prompt of the input box that asks for a reading of the selected notation.
  std::string ReadingPrompt() const;
  // The texts the edit boxes start with; empty when nothing is selected.
  std::string SelectedNotation() const;
  std::string SelectedReading() const;

  const TStringList& NotationItems() const { return Notations; }
  const TStringList& ReadingItems() const { return Readings; }
  int NotationIndex() const { return NotationSelected; }
  int ReadingIndex() const { return ReadingSelected; }
  // The message the last event showed; empty for none.
  const std::string& Message() const { return MessageText; }
  // Whether it tells of a failure (a save that could not be written).
  bool MessageIsFailure() const { return MessageIsError; }

 private:
  void FillNotations(int selected);
  void FillReadings(const TStringList& readings, int selected);
  void ClearLists();
  void ClearMessage();

  TGleanerController& Controller;
  TProgressView& ExtractProgress;
  TProgressView& SaveProgress;
  TStringList Notations;
  TStringList Readings;
  int NotationSelected = -1;
  int ReadingSelected = -1;
  std::string MessageText;
  bool MessageIsError = false;
};
