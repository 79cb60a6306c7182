// The lock where there is no Win32: flock on a descriptor of the file itself. It
// binds open descriptions, not processes, so two holders in one process exclude
// each other as well.
#ifndef _WIN32
#include "common/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string>

#include "common/file_path.h"

TFileLock::TFileLock(std::string_view path) {
  int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("ファイルを開けません: " + std::string(path));
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd);
    throw std::runtime_error("ファイルをロックできません: " + std::string(path));
  }
  Handle = fd;
}

TFileLock::~TFileLock() {
  // Closing the descriptor lets the lock go.
  ::close(static_cast<int>(Handle));
}
#endif
