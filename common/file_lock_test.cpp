#include "common/file_lock.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "common/test_folder.h"

TEST(FileLock, AHeldLockIsWaitedForOnlySoLong) {
  TTestFolder folder;
  folder.Write("a.usr", "");
  const std::string path = folder.PathOf("a.usr");
  std::optional<TFileLock> holder(std::in_place, path);
  for (int wait : {0, 30}) {
    try {
      TFileLock second(path, wait);
      ADD_FAILURE() << "a second holder got the lock after " << wait << " ms";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), TFileLock::BusyText(path));
    }
  }
  holder.reset();
  EXPECT_NO_THROW(TFileLock(path, 0));
}

TEST(FileLock, AMissingFileCannotBeLocked) {
  TTestFolder folder;
  EXPECT_THROW(TFileLock(folder.PathOf("none.usr"), 0), std::runtime_error);
}
