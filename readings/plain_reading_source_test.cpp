// The reading source where there is no input method.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "readings/ime_readings.h"

TEST(SystemReadingSource, HasNoReadingsWithoutAnInputMethod) {
  TStringList list = {"old"};
  GetImeReadings(*CreateSystemReadingSource(), "漢字", list);
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(IsWindowsNT());
}
#endif
