// Choosing a candidate: output, the history list and its file.
#include <algorithm>

#include "common/line_file.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/base/dictionary.h"
#include "common/dictionary_file.h"
#include "kirimo/modes/symbol_list_file.h"

namespace {

constexpr int LeftArrowKey = 37;

bool IsBlankText(const TStringList& lines) {
  return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
  });
}

}  // namespace

void TCartridgeEXT::LoadHistory(const std::string& file, int count) {
  std::lock_guard lock(StateMutex);
  HistoryFile = file;
  HistoryCount = count;
  History.clear();
  try {
    TStringList lines = FileExists(file) ? SplitLines(ReadWholeFile(file)) : TStringList();
    if (count >= 0 && lines.size() > static_cast<std::size_t>(count)) lines.resize(count);
    History = std::move(lines);
  } catch (...) {
    // An unreadable history starts empty.
  }
  // A dictionary without history shows its name.
  if (IsBlankText(History) && Dictionary) History.insert(History.begin(), Dictionary->GetName());
}

void TCartridgeEXT::RecordHistory(const std::string& text) {
  std::lock_guard lock(StateMutex);
  auto found = std::find(History.begin(), History.end(), text);
  if (found == History.begin()) return;
  if (found == History.end()) {
    History.insert(History.begin(), text);
    if (History.size() > static_cast<std::size_t>(std::max(HistoryCount, 0))) History.pop_back();
  } else {
    std::rotate(History.begin(), found, found + 1);
  }
  HistoryModified = true;
}

bool TCartridgeEXT::SaveHistory() {
  std::lock_guard lock(StateMutex);
  try {
    return !HistoryFile.empty() && WriteLinesReplacing(HistoryFile, History);
  } catch (...) {
    return false;
  }
}

void TCartridgeEXT::SaveState() {
  std::lock_guard lock(StateMutex);
  // A failed write keeps the mark, so the next idle save tries again.
  if (HistoryModified && SaveHistory()) HistoryModified = false;
}

void TCartridgeEXT::DeliverText(const std::string& text) {
  Output.SendText(text);
  if (IsBracketPair(text)) Output.SendKeyDown(LeftArrowKey);
}

void TCartridgeEXT::Commit(const std::string& text) {
  std::lock_guard lock(StateMutex);
  DeliverText(text);
  RecordHistory(text);
  TCartridge::Clear();
  ClearLevels();
}

void TCartridgeEXT::SelectCandidate(int index) {
  std::lock_guard lock(StateMutex);
  if (!SymbolListShown) {
    if (auto selected = Selection()) Commit(selected->Text);
    return;
  }
  if (ClickSymbol(index)) return;
  std::optional<TCandidateListModel::TItem> selected = Selection();
  if (!selected) return;
  const std::string& text = selected->Text;
  DeliverText(text);
  RecordHistory(text);
  TCartridge::Clear();
  ClearLevels();
}

bool TCartridgeEXT::ClickSymbol(int index) {
  if (!ShowsItemOf(index, *SymbolItems)) return true;  // a stale click does nothing
  bool handled = false;
  WithListBox([&](TCandidateListModel& view) { handled = SymbolList->HandleClick(view, index); });
  return handled;
}

void TCartridgeEXT::SendSelected() {
  std::lock_guard lock(StateMutex);
  if (auto selected = Selection()) Commit(selected->Text);
}
