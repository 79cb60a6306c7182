#include "common/virtual_key.h"

#include <windows.h>

#include <gtest/gtest.h>

// Every name against the value the Windows headers give it.
TEST(VirtualKeyCodeWin32, AllNamesMatchTheHeaders) {
  struct TEntry {
    const char* Name;
    int Code;
  };
#define KEY(name) \
  { #name, name }
  const TEntry keys[] = {
      KEY(VK_LBUTTON),    KEY(VK_RBUTTON),    KEY(VK_CANCEL),     KEY(VK_MBUTTON),  KEY(VK_BACK),
      KEY(VK_TAB),        KEY(VK_CLEAR),      KEY(VK_RETURN),     KEY(VK_SHIFT),    KEY(VK_CONTROL),
      KEY(VK_MENU),       KEY(VK_PAUSE),      KEY(VK_CAPITAL),    KEY(VK_KANA),     KEY(VK_HANGUL),
      KEY(VK_JUNJA),      KEY(VK_FINAL),      KEY(VK_HANJA),      KEY(VK_KANJI),    KEY(VK_CONVERT),
      KEY(VK_NONCONVERT), KEY(VK_ACCEPT),     KEY(VK_MODECHANGE), KEY(VK_ESCAPE),   KEY(VK_SPACE),
      KEY(VK_PRIOR),      KEY(VK_NEXT),       KEY(VK_END),        KEY(VK_HOME),     KEY(VK_LEFT),
      KEY(VK_UP),         KEY(VK_RIGHT),      KEY(VK_DOWN),       KEY(VK_SELECT),   KEY(VK_PRINT),
      KEY(VK_EXECUTE),    KEY(VK_SNAPSHOT),   KEY(VK_INSERT),     KEY(VK_DELETE),   KEY(VK_HELP),
      KEY(VK_LWIN),       KEY(VK_RWIN),       KEY(VK_APPS),       KEY(VK_NUMPAD0),  KEY(VK_NUMPAD1),
      KEY(VK_NUMPAD2),    KEY(VK_NUMPAD3),    KEY(VK_NUMPAD4),    KEY(VK_NUMPAD5),  KEY(VK_NUMPAD6),
      KEY(VK_NUMPAD7),    KEY(VK_NUMPAD8),    KEY(VK_NUMPAD9),    KEY(VK_MULTIPLY), KEY(VK_ADD),
      KEY(VK_SEPARATOR),  KEY(VK_SUBTRACT),   KEY(VK_DECIMAL),    KEY(VK_DIVIDE),   KEY(VK_F1),
      KEY(VK_F2),         KEY(VK_F3),         KEY(VK_F4),         KEY(VK_F5),       KEY(VK_F6),
      KEY(VK_F7),         KEY(VK_F8),         KEY(VK_F9),         KEY(VK_F10),      KEY(VK_F11),
      KEY(VK_F12),        KEY(VK_F13),        KEY(VK_F14),        KEY(VK_F15),      KEY(VK_F16),
      KEY(VK_F17),        KEY(VK_F18),        KEY(VK_F19),        KEY(VK_F20),      KEY(VK_F21),
      KEY(VK_F22),        KEY(VK_F23),        KEY(VK_F24),        KEY(VK_NUMLOCK),  KEY(VK_SCROLL),
      KEY(VK_LSHIFT),     KEY(VK_RSHIFT),     KEY(VK_LCONTROL),   KEY(VK_RCONTROL), KEY(VK_LMENU),
      KEY(VK_RMENU),      KEY(VK_PROCESSKEY), KEY(VK_ATTN),       KEY(VK_CRSEL),    KEY(VK_EXSEL),
      KEY(VK_EREOF),      KEY(VK_PLAY),       KEY(VK_ZOOM),       KEY(VK_NONAME),   KEY(VK_PA1),
      KEY(VK_OEM_CLEAR),
  };
#undef KEY
  int count = 0;
  for (const TEntry& key : keys) {
    EXPECT_EQ(VirtualKeyCode(key.Name), key.Code) << key.Name;
    ++count;
  }
  for (char c = 'A'; c <= 'Z'; ++c, ++count) EXPECT_EQ(VirtualKeyCode(std::string(1, c)), c);
  for (char c = '0'; c <= '9'; ++c, ++count) EXPECT_EQ(VirtualKeyCode(std::string(1, c)), c);
  EXPECT_EQ(count, 137);
}
