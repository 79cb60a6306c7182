// Writers killed mid-write, by fork and kill where there is no Win32.
#ifndef _WIN32
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/line_file.h"
#include "common/test_folder.h"

namespace {

// Waits until found() holds; false when the writer ended first.
template <typename TFound>
bool WaitWhileWriting(pid_t writer, TFound found) {
  while (!found()) {
    if (waitpid(writer, nullptr, WNOHANG) != 0) return false;
    usleep(200);  // leaves the processor to the writer
  }
  return true;
}

char FirstByte(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return static_cast<char>(file.get());
}

bool HasOtherThan(const TTestFolder& folder, const std::string& name) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path(), error)) {
    if (entry.path().filename() != name) return true;
  }
  return false;
}

}  // namespace

// A writer killed between writing its temporary file and renaming it leaves
// that file behind; the next writes must not let such files pile up.
TEST(LineFile, WritesKilledBeforeTheirRenameLeaveNoPile) {
  TTestFolder folder;
  const std::string path = folder.PathOf("history.txt");
  for (char round = 'a'; round < 'd'; ++round) {
    // Large enough that most of a write's time goes to the temporary file.
    const TStringList lines(50000, std::string(40, round));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the test
      for (;;) WriteLinesReplacing(path, lines);
    }
    // Once a whole write of this round is in, a file beside the target is one
    // that a later write of this child is filling: the kill lands inside it.
    bool inside = WaitWhileWriting(child, [&] { return FirstByte(path) == round; }) &&
                  WaitWhileWriting(child, [&] { return HasOtherThan(folder, "history.txt"); });
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(inside) << "the writer ended on its own";
    EXPECT_LE(folder.EntryCount(), 2);
  }
  ASSERT_TRUE(WriteLinesReplacing(path, {"last"}));
  EXPECT_EQ(folder.Read("history.txt"), "last\r\n");
  EXPECT_EQ(folder.EntryCount(), 1);
}
#endif
