// The lock on Windows: LockFileEx on one byte far past any real end of file, so
// the lock excludes other lockers but never the reads and appends of the data.
#include "common/file_lock.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "common/file_path.h"

namespace {

OVERLAPPED LockedRange() {
  OVERLAPPED range{};
  range.Offset = 0xFFFFFFF0u;
  range.OffsetHigh = 0x7FFFFFFFu;
  return range;
}

}  // namespace

TFileLock::TFileLock(std::string_view path, int waitMilliseconds) {
  // Every share mode: others keep reading and appending while this handle locks.
  HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("ファイルを開けません: " + std::string(path));
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMilliseconds);
  for (;;) {
    OVERLAPPED range = LockedRange();
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range))
      break;
    const bool held = GetLastError() == ERROR_LOCK_VIOLATION;
    if (!held || GetTickCount64() >= deadline) {
      CloseHandle(file);
      throw std::runtime_error(held ? BusyText(path)
                                    : "ファイルをロックできません: " + std::string(path));
    }
    Sleep(10);
  }
  Handle = reinterpret_cast<std::intptr_t>(file);
}

TFileLock::~TFileLock() {
  HANDLE file = reinterpret_cast<HANDLE>(Handle);
  OVERLAPPED range = LockedRange();
  UnlockFileEx(file, 0, 1, 0, &range);
  CloseHandle(file);
}
