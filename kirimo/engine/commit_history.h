#pragma once
// The commit history: the texts typed from the list, newest first, at most a
// count of them, kept in a file of one entry a line. It has no lock of its
// own: its owner guards it.
#include <cstddef>
#include <optional>
#include <string>

#include "common/string_list.h"

class TCommitHistory {
 public:
  // Longer texts (in bytes) are neither learnt nor read from a file: no
  // sensible entry is that long, and every gesture at the root would carry one.
  static constexpr std::size_t LongestEntry = 64 * 1024;

  // Reads up to count entries of file, first removing the temporary file a
  // save killed before its rename left; a missing or unreadable file gives
  // none. An empty name keeps the history in memory only. A history of blank
  // entries or none starts with blankEntry, when given. The mark of changes
  // stays as it was.
  void Load(const std::string& file, int count, const std::optional<std::string>& blankEntry);
  // Puts text first, dropping the oldest entry past the count, and marks the
  // history changed; a text already first, or too long, changes nothing.
  void Record(const std::string& text);
  // Writes a temporary file beside the history file and renames it over, so
  // a failed write never leaves a shorter history behind; false on failure
  // or without a file.
  bool Save() const;
  // Saves a changed history; a failed write keeps the mark, for the next try.
  void SaveChanges();

  // Stays the same object for the history's life: a list may borrow it.
  const TStringList& Entries() const { return List; }

 private:
  TStringList List;
  std::string File;
  int Count = 100;
  bool Modified = false;
};
