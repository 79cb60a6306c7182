#pragma once
// One dictionary or user dictionary file of Kirimo, held in memory: whether a
// notation (with a given reading) is there, and lines appended to user files.
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/string_list.h"
#include "gleaner/word_rows.h"

// A user file that could not be written: the user can mend it (or choose
// another dictionary) and save again.
class TWordDicWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

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

  // Parses every line into its row, once; Add and the lookups need the rows.
  void PrepareRows();
  bool HasRows() const { return Rows != nullptr; }
  const TWordRows& GetRows() const;

  // Appends the lines to the end of the file, then takes their rows in;
  // answers the index of the first. The file is never rewritten, so lines
  // another program (Kirimo's registration dialog) appended to it meanwhile
  // stay, and a file deleted or renamed meanwhile is made again, as Kirimo
  // does. Raises TWordDicWriteError when the file cannot be written or its
  // lock not had; nothing has changed then, in the file or here.
  int Append(const TStringList& lines);

  int FindEntry(std::string_view notation, std::string_view reading) const;
  int FindNotation(std::string_view notation) const;

 private:
  std::string FileNameText;
  std::string Text;  // the file as read, until its rows are built
  int Count = 0;
  std::unique_ptr<TWordRows> Rows;
};
