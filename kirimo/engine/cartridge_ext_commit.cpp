// Choosing a candidate: output, and the commit history it is learnt in.
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/language/dictionary.h"
#include "kirimo/symbol_lists/symbol_list_file.h"

void TCartridgeEXT::LoadHistory(const std::string& file, int count) {
  std::lock_guard lock(StateMutex);
  // A dictionary without history shows its name.
  History.Load(file, count,
               Dictionary ? std::optional<std::string>(Dictionary->GetName()) : std::nullopt);
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
  History.Record(text);
}

TStringList TCartridgeEXT::HistorySnapshot() const {
  std::lock_guard lock(StateMutex);
  return History.Entries();
}

void TCartridgeEXT::SaveState() {
  std::lock_guard lock(StateMutex);
  History.SaveChanges();
}

void TCartridgeEXT::Commit(const std::string& text) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  CommitLocked(text, after);
}

void TCartridgeEXT::CommitLocked(const std::string& text, TAfterUnlock& after) {
  // Typed into the target, with a Left arrow after a bracket pair.
  after.Add([this, text] { SendTextWithCaret(Output, text); });
  History.Record(text);
  TCartridge::Clear();
  ClearLevels(after);
}

void TCartridgeEXT::SelectCandidate(int index) {
  TAfterUnlock after;
  std::lock_guard lock(StateMutex);
  // The width forms of a symbol are no items of the symbol list: they are typed.
  if (ListState.Shown() == TShown::Symbols && ClickSymbol(index, after)) return;
  if (auto selected = ClickedItem(index)) CommitLocked(selected->Text, after);
}

bool TCartridgeEXT::ClickSymbol(int index, TAfterUnlock& after) {
  const TStringList& items = SymbolList->Items();
  if (!ShowsItemOf(index, items)) return true;  // a stale click does nothing
  if (!SymbolList->TakesClick(items[index])) return false;
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
