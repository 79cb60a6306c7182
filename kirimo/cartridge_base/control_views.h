#pragma once
// The keypad controls a cartridge writes to besides its candidate list
// (candidate_list_model.h). A cartridge's worker calls them as well as the UI
// thread, so every implementation is safe to call from any thread and never
// waits for the UI thread.
#include <string>
#include <string_view>

// The status bar under the keypad: one line of text.
class TStatusBarView {
 public:
  virtual ~TStatusBarView() = default;
  virtual void SetText(std::string_view text) = 0;
  virtual std::string Text() const = 0;
};

// The dictionary-switch button, which names the plugged-in cartridge.
class TNamePanelView {
 public:
  virtual ~TNamePanelView() = default;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string Caption() const = 0;
};
