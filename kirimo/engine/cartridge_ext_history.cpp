// Choosing a candidate: output, the history list and its file.
#include <algorithm>

#include "common/blank_text.h"
#include "common/line_file.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/language/dictionary.h"
#include "common/dictionary_file.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

namespace {

bool AllBlank(const TStringList& lines) {
  return std::all_of(lines.begin(), lines.end(),
                     [](const std::string& line) { return IsBlankText(line); });
}

bool TooLongToKeep(const std::string& text) {
  return text.size() > TCartridgeEXT::LongestHistoryEntry;
}

}  // namespace

void TCartridgeEXT::LoadHistory(const std::string& file, int count) {
  std::lock_guard lock(StateMutex);
  HistoryFile = file;
  HistoryCount = count;
  History.clear();
  try {
    // A save killed before its rename left its temporary file behind.
    if (!file.empty()) RemoveLeftoverTemporary(file);
    TStringList lines = FileExists(file) ? SplitLines(ReadWholeFile(file)) : TStringList();
    lines.erase(std::remove_if(lines.begin(), lines.end(), TooLongToKeep), lines.end());
    if (count >= 0 && lines.size() > static_cast<std::size_t>(count)) lines.resize(count);
    History = std::move(lines);
  } catch (...) {
    // An unreadable history starts empty.
  }
  // A dictionary without history shows its name.
  if (AllBlank(History) && Dictionary) History.insert(History.begin(), Dictionary->GetName());
}

void TCartridgeEXT::RefuseHistoryFile(int count) {
  LoadHistory("", count);
  HistoryRefusalPending = true;
}

void TCartridgeEXT::AttachStatusBar(TStatusBarView& statusBar) {
  TCartridge::AttachStatusBar(statusBar);
  if (HistoryRefusalPending.exchange(false))
    ShowStatus("履歴ファイルが辞書か設定のファイルと同じため、履歴を保存しません");
}

void TCartridgeEXT::RecordHistory(const std::string& text) {
  std::lock_guard lock(StateMutex);
  RecordHistoryLocked(text);
}

void TCartridgeEXT::RecordHistoryLocked(const std::string& text) {
  if (TooLongToKeep(text)) return;
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
  return SaveHistoryLocked();
}

bool TCartridgeEXT::SaveHistoryLocked() {
  try {
    return !HistoryFile.empty() && WriteLinesReplacing(HistoryFile, History);
  } catch (...) {
    return false;
  }
}

void TCartridgeEXT::SaveState() {
  std::lock_guard lock(StateMutex);
  // A failed write keeps the mark, so the next idle save tries again.
  if (HistoryModified && SaveHistoryLocked()) HistoryModified = false;
}

void TCartridgeEXT::DeliverText(const std::string& text, TAfterUnlock& after) {
  after.Add([this, text] { SendTextWithCaret(Output, text); });
}

void TCartridgeEXT::Commit(const std::string& text) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  CommitLocked(text, after);
}

void TCartridgeEXT::CommitLocked(const std::string& text, TAfterUnlock& after) {
  DeliverText(text, after);
  RecordHistoryLocked(text);
  TCartridge::Clear();
  ClearLevels(after);
}

void TCartridgeEXT::SelectCandidate(int index) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  // The width forms of a symbol are no items of the symbol list: they are typed.
  if (SymbolListShown && !VariantsShown && ClickSymbol(index, after)) return;
  if (auto selected = ClickedItem(index)) CommitLocked(selected->Text, after);
}

std::optional<TCandidateListModel::TItem> TCartridgeEXT::ClickedItem(int index) {
  const TStringList& list = ActedOnList();
  bool pressed = false;
  WithListBox([&](TCandidateListModel& view) { pressed = view.IsSelected(index); });
  if (pressed && ShowsItemOf(index, list)) return TCandidateListModel::TItem{index, list[index]};
  return SelectionIn(list);
}

bool TCartridgeEXT::ClickSymbol(int index, TAfterUnlock& after) {
  if (!ShowsItemOf(index, *SymbolItems)) return true;  // a stale click does nothing
  if (!SymbolList->TakesClick((*SymbolItems)[index])) return false;
  TCandidateListModel* model = nullptr;
  WithListBox([&model](TCandidateListModel& view) { model = &view; });
  // The model belongs to the keypad window, which outlives every cartridge.
  if (model)
    after.Add([list = SymbolList.get(), model, index] { list->HandleClick(*model, index); });
  return true;
}

void TCartridgeEXT::SendSelected() {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  if (auto selected = Selection()) CommitLocked(selected->Text, after);
}
