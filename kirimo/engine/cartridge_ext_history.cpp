// Choosing a candidate: output, the history list and its file.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/file_path.h"
#include "common/text_checks.h"
#include "kirimo/engine/cartridge_ext.h"
#include "kirimo/engine/dictionary.h"
#include "kirimo/modes/symbol_list_file.h"

namespace {

constexpr int LeftArrowKey = 37;

TStringList ReadLines(const std::string& path) {
  TStringList lines;
  std::ifstream file(NativePath(path), std::ios::binary);
  if (!file) return lines;
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

bool IsBlankText(const TStringList& lines) {
  return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
  });
}

}  // namespace

void TCartridgeEXT::LoadHistory(const std::string& file, int count) {
  std::lock_guard lock(StateLock);
  HistoryFile = file;
  HistoryCount = count;
  History.clear();
  try {
    TStringList lines = ReadLines(file);
    if (count >= 0 && lines.size() > static_cast<std::size_t>(count)) lines.resize(count);
    History = std::move(lines);
  } catch (...) {
    // An unreadable history starts empty.
  }
  // A dictionary without history shows its name.
  if (IsBlankText(History) && Dictionary) History.insert(History.begin(), Dictionary->GetName());
}

void TCartridgeEXT::RecordHistory(const std::string& text) {
  std::lock_guard lock(StateLock);
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
  std::lock_guard lock(StateLock);
  if (HistoryFile.empty()) return false;
  try {
    std::filesystem::path target = NativePath(HistoryFile);
    std::filesystem::path temporary = NativePath(HistoryFile + ".tmp");
    {
      std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
      for (const std::string& line : History) file << line << "\r\n";
      file.flush();
      if (!file) {
        file.close();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
      }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
      std::filesystem::remove(temporary, error);
      return false;
    }
    return true;
  } catch (...) {
    return false;
  }
}

void TCartridgeEXT::SaveState() {
  std::lock_guard lock(StateLock);
  // A failed write keeps the mark, so the next idle save tries again.
  if (HistoryModified && SaveHistory()) HistoryModified = false;
}

void TCartridgeEXT::DeliverText(const std::string& text) {
  Output().SendText(text);
  if (IsBracketPair(text)) Output().SendKeyDown(LeftArrowKey);
}

void TCartridgeEXT::Commit(const std::string& text) {
  std::lock_guard lock(StateLock);
  DeliverText(text);
  RecordHistory(text);
  TCartridge::Clear();
  ClearLevels();
}

void TCartridgeEXT::SelectCandidate(int index) {
  std::lock_guard lock(StateLock);
  if (ListBox == nullptr) return;
  if (!SymbolListShown) {
    if (ListBox->SelectedIndex() >= 0) Commit(SelectedText());
    return;
  }
  if (ClickSymbol(index) || ListBox->SelectedIndex() < 0) return;
  std::string text = SelectedText();
  DeliverText(text);
  RecordHistory(text);
  TCartridge::Clear();
  ClearLevels();
}

bool TCartridgeEXT::ClickSymbol(int index) {
  TClickResult click = SymbolList->HandleClick(ListBox->SelectedIndex() >= 0, ListBox->ItemText(index));
  switch (click.Selection) {
    case TSelectionChange::DeselectItem:
      ListBox->SetSelected(index, false);
      break;
    case TSelectionChange::ClearAll:
      ListBox->ClearSelection();
      break;
    case TSelectionChange::None:
    case TSelectionChange::KeepItem:
      break;
  }
  return click.Handled;
}

void TCartridgeEXT::SendSelected() {
  std::lock_guard lock(StateLock);
  if (ListBox && ListBox->SelectedIndex() >= 0) Commit(SelectedText());
}
