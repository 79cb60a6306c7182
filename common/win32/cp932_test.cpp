#include "common/cp932.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string SystemDecode(const std::string& bytes) {
  wchar_t buffer[8];
  int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), buffer, 8);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), n);
}

std::string SystemEncode(const std::u16string& text) {
  char buffer[8];
  int n = WideCharToMultiByte(932, 0, reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), buffer, 8, nullptr, nullptr);
  return std::string(buffer, n);
}

}  // namespace

TEST(Cp932Win32, EverySingleByteAsTheSystem) {
  for (int b = 0; b < 256; ++b) {
    std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Cp932ToUtf16(byte), SystemDecode(byte)) << "byte " << b;
  }
}

// Every code with a character decodes as the system decodes it, and the
// character encodes back as the system encodes it (the choice among NEC and
// IBM duplicates included).
TEST(Cp932Win32, EveryDoubleByteCodeAsTheSystem) {
  int mapped = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      std::u16string ours = Cp932ToUtf16(code);
      std::u16string system = SystemDecode(code);
      if (system == u"\u30FB" && code != "・") {
        EXPECT_EQ(ours, system) << std::hex << lead << " " << trail;
        continue;
      }
      ++mapped;
      ASSERT_EQ(ours, system) << std::hex << lead << " " << trail;
      EXPECT_EQ(Utf16ToCp932(ours), SystemEncode(system)) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_EQ(mapped, 7724 + 1880);  // user-defined rows included
}
