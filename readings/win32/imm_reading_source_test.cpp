#include <windows.h>

#include <gtest/gtest.h>

#include "readings/ime_readings.h"

// Windows without a Japanese input method answers no reverse conversion: the source must cope.
TEST(ImmReadingSourceWin32, AsksTheInputMethodAndCopesWithNoAnswer) {
  EXPECT_TRUE(IsWindowsNT());
  auto source = CreateSystemReadingSource();
  TStringList list = {"old"};
  GetImeReadings(*source, "漢字", list);
  for (const std::string& reading : list) EXPECT_FALSE(reading.empty());
  GetImeReadings(*source, "", list);
  GetImeReadings(*source, "\x82", list);
  EXPECT_TRUE(source->ReverseConversion(std::string(300, 'a')).size() < 300u);
}
