#pragma once
// An exclusive lock on a file that every process taking it the same way
// respects (Kirimo's dictionary, its registration dialog and Gleaner append to
// one user dictionary). It is advisory and never stops plain reads or writes,
// so the holder reads and appends the file through the usual streams.
#include <cstdint>
#include <string_view>

class TFileLock {
 public:
  // Waits until the existing file at path is locked. Raises std::runtime_error
  // when it cannot be opened.
  explicit TFileLock(std::string_view path);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

 private:
  std::intptr_t Handle;
};
