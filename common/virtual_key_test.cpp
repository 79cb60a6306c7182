#include "common/virtual_key.h"

#include <gtest/gtest.h>

TEST(VirtualKeyCode, NamesAndTheirCodes) {
  EXPECT_EQ(VirtualKeyCode("VK_RETURN"), 13);
  EXPECT_EQ(VirtualKeyCode("VK_KANA"), 21);
  EXPECT_EQ(VirtualKeyCode("VK_HANGUL"), 21);
  EXPECT_EQ(VirtualKeyCode("VK_HANJA"), 25);
  EXPECT_EQ(VirtualKeyCode("VK_KANJI"), 25);
  EXPECT_EQ(VirtualKeyCode("VK_CLEAR"), 12);
  EXPECT_EQ(VirtualKeyCode("VK_PROCESSKEY"), 229);
  EXPECT_EQ(VirtualKeyCode("VK_PA1"), 253);
  EXPECT_EQ(VirtualKeyCode("VK_OEM_CLEAR"), 254);
  EXPECT_EQ(VirtualKeyCode("A"), 65);
  EXPECT_EQ(VirtualKeyCode("Z"), 90);
  EXPECT_EQ(VirtualKeyCode("0"), 48);
  EXPECT_EQ(VirtualKeyCode("9"), 57);
  EXPECT_EQ(VirtualKeyCode("VK_F24"), 135);
}

TEST(VirtualKeyCode, AnyOtherNameIsZero) {
  EXPECT_EQ(VirtualKeyCode("vk_return"), 0);
  EXPECT_EQ(VirtualKeyCode("a"), 0);
  EXPECT_EQ(VirtualKeyCode("VK_RETURN "), 0);
  EXPECT_EQ(VirtualKeyCode("10"), 0);
  EXPECT_EQ(VirtualKeyCode("VK_F25"), 0);
  EXPECT_EQ(VirtualKeyCode(""), 0);
}

TEST(VirtualKeyName, NamesEveryCodeOfTheKeyNameTableOnce) {
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    const std::string_view name = VirtualKeyName(static_cast<std::uint8_t>(code));
    if (name.empty()) continue;
    ++named;
    EXPECT_EQ(VirtualKeyCode(name), code) << name;
  }
  EXPECT_EQ(named, 135);
  EXPECT_EQ(VirtualKeyName(21), "VK_KANA");
  EXPECT_EQ(VirtualKeyName(25), "VK_HANJA");
  EXPECT_EQ(VirtualKeyName(48), "0");
  EXPECT_EQ(VirtualKeyName(135), "VK_F24");
  EXPECT_EQ(VirtualKeyName(0), "");
  EXPECT_EQ(VirtualKeyName(255), "");
}
