// Writers killed mid-write, by fork and kill where there is no Win32.
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "common/line_file.h"
#include "common/test_folder.h"

// A writer killed between writing its temporary file and renaming it leaves
// that file behind; the next writes must not let such files pile up.
TEST(LineFile, WritesKilledBeforeTheirRenameLeaveNoPile) {
  TTestFolder folder;
  const std::string path = folder.PathOf("history.txt");
  // Large enough that most of a write's time goes to the temporary file.
  const TStringList lines(200000, std::string(40, 'x'));
  for (int round = 0; round < 8; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) WriteLinesReplacing(path, lines);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30 + 7 * round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  ASSERT_TRUE(WriteLinesReplacing(path, {"last"}));
  EXPECT_EQ(folder.Read("history.txt"), "last\r\n");
  EXPECT_EQ(folder.EntryCount(), 1);
}
#endif
