#include "common/file_lock.h"

#include <string>

std::string TFileLock::BusyText(std::string_view path) {
  std::string text = "ファイルが他のプログラムに使われています: ";
  return text.append(path);
}

// The lock where there is no Win32: flock on a descriptor of the file itself. It
// binds open descriptions, not processes, so two holders in one process exclude
// each other as well.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <thread>

#include "common/file_path.h"

TFileLock::TFileLock(std::string_view path, int waitMilliseconds) {
  int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("ファイルを開けません: " + std::string(path));
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool held = errno == EWOULDBLOCK;
    if (!held || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      throw std::runtime_error(held ? BusyText(path)
                                    : "ファイルをロックできません: " + std::string(path));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Handle = fd;
}

TFileLock::~TFileLock() {
  // Closing the descriptor lets the lock go.
  ::close(static_cast<int>(Handle));
}
#endif
