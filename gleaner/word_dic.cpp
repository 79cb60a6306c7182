#include "gleaner/word_dic.h"

#include <stdexcept>

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_lock.h"

TWordDic::TWordDic(std::string fileName) : FileNameText(std::move(fileName)) {
  CreateFileIfMissing(FileNameText);
  Text = ReadWholeFile(FileNameText);
  Count = ForEachLine(Text, [](int, std::string_view) {});
}

void TWordDic::PrepareRows() {
  if (Rows) return;
  auto rows = std::make_unique<TWordRows>();
  ForEachLine(Text, [&](int, std::string_view line) { rows->Append(line); });
  Rows = std::move(rows);
  // Every later question is answered from the rows.
  std::string().swap(Text);
}

const TWordRows& TWordDic::GetRows() const {
  if (!Rows) throw std::logic_error("dictionary rows not prepared: " + FileNameText);
  return *Rows;
}

int TWordDic::Append(const TStringList& lines) {
  if (!Rows) throw std::logic_error("dictionary rows not prepared: " + FileNameText);
  const int first = Count;
  if (lines.empty()) return first;
  std::string added;
  for (const std::string& line : lines) {
    if (!added.empty()) added += "\r\n";
    added += line;
  }
  try {
    CreateFileIfMissing(FileNameText);
    // Read again just before writing, under the lock Kirimo's dictionaries take
    // too: the file may have grown since it was loaded, and must not grow
    // between this read and the append.
    TFileLock lock(FileNameText);
    AppendLine(FileNameText, ReadWholeFile(FileNameText), added);
  } catch (const std::runtime_error& error) {
    throw TWordDicWriteError(error.what());
  }
  for (const std::string& line : lines) Rows->Append(line);
  Count += static_cast<int>(lines.size());
  return first;
}

int TWordDic::FindEntry(std::string_view notation, std::string_view reading) const {
  return GetRows().FindEntry(notation, reading);
}

int TWordDic::FindNotation(std::string_view notation) const {
  return GetRows().FindNotation(notation);
}
