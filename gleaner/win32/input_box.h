#pragma once
// A one-line text question: caption, prompt, the text to start with, OK and
// Cancel. The answer is the text as typed, or nothing when cancelled.
#include <optional>
#include <string>

#include "common/win32/modal_window.h"

class TInputBox : public TModalWindow {
 public:
  static constexpr int EditId = 101;
  static constexpr int PromptId = 102;

  TInputBox(std::string caption, std::string prompt, std::string text);
  std::optional<std::string> Ask(HWND owner);

 private:
  TLayout Layout() const override;
  void CreateControls() override;
  void OnCommand(int id, int notification) override;

  std::string Caption, Prompt, Text;
  HWND Edit = nullptr;
};
