// Editing the entry list and the readings of the current entry.
#include <algorithm>
#include <stdexcept>

#include "common/blank_text.h"
#include "common/kana_conversion.h"
#include "common/letter_case.h"
#include "gleaner/gleaner_controller.h"

namespace {

int IndexIgnoringCase(const TStringList& list, std::string_view text) {
  auto found = std::find_if(list.begin(), list.end(), [&](const std::string& item) {
    return EqualsIgnoringLetterCase(item, text);
  });
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void CheckIndex(int index, std::size_t size, const char* what) {
  if (index < 0 || static_cast<std::size_t>(index) >= size)
    throw std::out_of_range(std::string(what) + " " + std::to_string(index));
}

std::string TypedNotation(std::string_view text) { return std::string(TrimBlanks(text)); }

// As the registration dialog takes a reading.
std::string TypedReading(std::string_view text) {
  return ToHalfWidth(ToKatakana(TrimBlanks(text)));
}

// After removing an item: the same index, or the new last one (-1 when empty).
int IndexAfterRemoval(int index, std::size_t size) {
  return std::min(index, static_cast<int>(size) - 1);
}

}  // namespace

const TStringList& TGleanerController::GetCurrentReadings() const {
  if (Notations.empty()) return EmptyReadings;
  CheckIndex(Current, Readings.size(), "no current entry");
  return Readings[static_cast<std::size_t>(Current)];
}

const TStringList& TGleanerController::GetReadings(int index) const {
  CheckIndex(index, Readings.size(), "no entry");
  return Readings[static_cast<std::size_t>(index)];
}

TStringList& TGleanerController::CurrentReadings() {
  CheckIndex(Current, Readings.size(), "no current entry");
  return Readings[static_cast<std::size_t>(Current)];
}

const TStringList& TGleanerController::SelectNotation(int index) {
  CheckIndex(index, Notations.size(), "no entry");
  Current = index;
  return Readings[static_cast<std::size_t>(index)];
}

int TGleanerController::AddNotation(std::string_view typed) {
  const std::string text = TypedNotation(typed);
  const int listed = IndexIgnoringCase(Notations, text);
  if (listed >= 0) {
    Current = listed;
  } else {
    AppendEntry(text, ReadingQuery.Readings(text), StatusProposed);
    Current = static_cast<int>(Notations.size()) - 1;
  }
  return Current;
}

int TGleanerController::EditNotation(std::string_view typed) {
  const std::string text = TypedNotation(typed);
  const int listed = IndexIgnoringCase(Notations, text);
  if (listed >= 0) {
    Current = listed;
    return Current;
  }
  TStringList& readings = CurrentReadings();
  Notations[static_cast<std::size_t>(Current)] = text;
  // The status stays: a saved entry that is renamed still shows as saved.
  readings = ReadingQuery.Readings(text);
  return Current;
}

int TGleanerController::DeleteNotation(int index) {
  CheckIndex(index, Notations.size(), "no entry");
  Notations.erase(Notations.begin() + index);
  Readings.erase(Readings.begin() + index);
  Status.erase(Status.begin() + index);
  Current = IndexAfterRemoval(index, Notations.size());
  return Current;
}

int TGleanerController::AddReading(std::string_view typed) {
  const std::string text = TypedReading(typed);
  TStringList& readings = CurrentReadings();
  const int listed = IndexIgnoringCase(readings, text);
  if (listed >= 0) return listed;
  readings.push_back(text);
  return static_cast<int>(readings.size()) - 1;
}

int TGleanerController::EditReading(int index, std::string_view typed) {
  const std::string text = TypedReading(typed);
  TStringList& readings = CurrentReadings();
  const int listed = IndexIgnoringCase(readings, text);
  if (listed >= 0) return listed;
  CheckIndex(index, readings.size(), "no reading");
  readings[static_cast<std::size_t>(index)] = text;
  return index;
}

int TGleanerController::DeleteReading(int index) {
  TStringList& readings = CurrentReadings();
  CheckIndex(index, readings.size(), "no reading");
  readings.erase(readings.begin() + index);
  return IndexAfterRemoval(index, readings.size());
}

std::uint8_t TGleanerController::GetStatus(int index) const {
  CheckIndex(index, Notations.size(), "no entry");
  const std::size_t entry = static_cast<std::size_t>(index);
  return Readings[entry].empty() ? StatusNoReading : Status[entry];
}
