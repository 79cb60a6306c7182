#include "kirimo/engine/commit_history.h"

#include <algorithm>

#include "common/blank_text.h"
#include "common/dictionary_file.h"
#include "common/line_file.h"

namespace {

bool TooLongToKeep(const std::string& text) { return text.size() > TCommitHistory::LongestEntry; }

bool AllBlank(const TStringList& lines) {
  return std::all_of(lines.begin(), lines.end(),
                     [](const std::string& line) { return IsBlankText(line); });
}

}  // namespace

void TCommitHistory::Load(const std::string& file, int count,
                          const std::optional<std::string>& blankEntry) {
  File = file;
  Count = count;
  List.clear();
  try {
    if (!file.empty()) RemoveLeftoverTemporary(file);
    TStringList lines = FileExists(file) ? SplitLines(ReadWholeFile(file)) : TStringList();
    lines.erase(std::remove_if(lines.begin(), lines.end(), TooLongToKeep), lines.end());
    if (count >= 0 && lines.size() > static_cast<std::size_t>(count)) lines.resize(count);
    List = std::move(lines);
  } catch (...) {
    // An unreadable history starts empty.
  }
  if (blankEntry && AllBlank(List)) List.insert(List.begin(), *blankEntry);
}

void TCommitHistory::Record(const std::string& text) {
  if (TooLongToKeep(text)) return;
  auto found = std::find(List.begin(), List.end(), text);
  if (found == List.begin()) return;
  if (found == List.end()) {
    List.insert(List.begin(), text);
    if (List.size() > static_cast<std::size_t>(std::max(Count, 0))) List.pop_back();
  } else {
    std::rotate(List.begin(), found, found + 1);
  }
  Modified = true;
}

bool TCommitHistory::Save() const {
  try {
    return !File.empty() && WriteLinesReplacing(File, List);
  } catch (...) {
    return false;
  }
}

void TCommitHistory::SaveChanges() {
  if (Modified && Save()) Modified = false;
}
