#include <gtest/gtest.h>
#include <windows.h>

#include "common/ime_readings.h"

namespace {

bool RunsUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

// Windows without a Japanese input method answers no reverse conversion: the source must cope.
TEST(ImmReadingSourceWin32, AsksTheInputMethodAndCopesWithNoAnswer) {
  // Wine 8's ANSI conversion list faults inside imm32 on a US layout in a new
  // prefix (its input method's conversion list is a stub); nothing to learn there.
  if (RunsUnderWine()) GTEST_SKIP() << "Wine's imm32 faults in ImmGetConversionListA";
  EXPECT_TRUE(IsWindowsNT());
  auto source = CreateSystemReadingSource();
  TStringList list = {"old"};
  GetImeReadings(*source, "漢字", list);
  for (const std::string& reading : list) EXPECT_FALSE(reading.empty());
  GetImeReadings(*source, "", list);
  GetImeReadings(*source, "\x82", list);
  EXPECT_TRUE(source->ReverseConversion(std::string(300, 'a')).size() < 300u);
}
