#pragma once
// The only way the program reaches another application: text typed into the
// focused control of the target window, and key events. Virtual-key codes are
// below 256; a code of 256 or more sends nothing.
#include <string_view>

class TOutputOperations {
 public:
  virtual ~TOutputOperations() = default;
  virtual void SendText(std::string_view text) = 0;  // CP932
  virtual void SendKeyDown(int code) = 0;            // key-down message to the focused control
  virtual void PressKey(int code) = 0;               // key down, then key up
  virtual void HoldKey(int code) = 0;                // key down only
  virtual void ReleaseKey(int code) = 0;             // key up only
};

// The codes the key operations send; anything else sends nothing.
constexpr bool IsVirtualKeyCode(int code) { return code >= 0 && code < 256; }

constexpr int LeftArrowKey = 37;  // VK_LEFT

// Types text; after a bracket pair such as "「」" one Left arrow puts the
// caret between the brackets, where the next text belongs.
void SendTextWithCaret(TOutputOperations& output, std::string_view text);
