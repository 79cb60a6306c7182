#include "common/dictionary_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/test_folder.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>

namespace {

// Writes past limit bytes fail, as on a disk that filled up.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &Previous);
    OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = Previous;
    lower.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Previous);
    std::signal(SIGXFSZ, OldHandler);
  }

 private:
  rlimit Previous{};
  void (*OldHandler)(int) = SIG_DFL;
};

}  // namespace

TEST(AppendLine, AWriteCutShortLeavesTheFileAsItWas) {
  TTestFolder folder;
  const std::string before = "ｱ,亜,001\r\nｲ,井";  // unterminated
  folder.Write("a.usr", before);
  {
    TFileSizeLimit full(before.size() + 4);  // room for the line end and a little more
    EXPECT_THROW(AppendLine(folder.PathOf("a.usr"), before, "ｳｴｵ,上尾,001"), std::runtime_error);
  }
  EXPECT_EQ(folder.Read("a.usr"), before);
  AppendLine(folder.PathOf("a.usr"), before, "ｳｴｵ,上尾,001");
  EXPECT_EQ(folder.Read("a.usr"), before + "\r\nｳｴｵ,上尾,001\r\n");
}
#endif
