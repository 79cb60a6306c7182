#pragma once
// One dictionary or user dictionary file of Kirimo, held in memory: whether a
// notation (with a given reading) is there, and lines appended to user files.
#include <memory>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "gleaner/word_rows.h"

class TWordDic {
 public:
  // Reads the file, creating it empty when there is none. Raises
  // std::runtime_error when it can be neither read nor created.
  explicit TWordDic(std::string fileName);
  TWordDic(const TWordDic&) = delete;
  TWordDic& operator=(const TWordDic&) = delete;
  TWordDic(TWordDic&&) = default;
  TWordDic& operator=(TWordDic&&) = default;

  const std::string& FileName() const { return FileNameText; }
  int LineCount() const { return Count; }
  int SavedCount() const { return Saved; }

  // Parses every line into its row, once; Add and the lookups need the rows.
  void PrepareRows();
  bool HasRows() const { return Rows != nullptr; }
  const TWordRows& GetRows() const;

  // Appends a line; answers its index.
  int Add(std::string_view line);
  // Appends the lines added since the last load or save to the end of the
  // file. The file is never rewritten, so lines another program (Kirimo's
  // registration dialog) appended to it meanwhile stay. Raises
  // std::runtime_error when the file cannot be written; the lines then stay
  // unsaved.
  void Save();

  int FindEntry(std::string_view notation, std::string_view reading) const;
  int FindNotation(std::string_view notation) const;

 private:
  std::string FileNameText;
  std::string Text;  // the file as read, until its rows are built
  int Count = 0;
  int Saved = 0;
  TStringList Unsaved;  // lines added since the last load or save
  std::unique_ptr<TWordRows> Rows;
};
