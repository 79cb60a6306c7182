#pragma once
// An exclusive lock on a file that every process taking it the same way
// respects (Kirimo's dictionary, its registration dialog and Gleaner append to
// one user dictionary). It is advisory and never stops plain reads or writes,
// so the holder reads and appends the file through the usual streams.
#include <cstdint>
#include <string>
#include <string_view>

class TFileLock {
 public:
  // Another holder keeps the lock for the moment of one read and append; a
  // wait this long means it hangs, and the caller says so rather than freeze.
  static constexpr int DefaultWaitMilliseconds = 5000;

  // Waits until the existing file at path is locked, at most waitMilliseconds
  // (0: one try). Raises std::runtime_error when it cannot be opened or the
  // wait ran out.
  explicit TFileLock(std::string_view path, int waitMilliseconds = DefaultWaitMilliseconds);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // The message of a wait that ran out.
  static std::string BusyText(std::string_view path);

 private:
  std::intptr_t Handle;
};
