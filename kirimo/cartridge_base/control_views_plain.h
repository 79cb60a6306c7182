#pragma once
// Status bar and name panel views that only keep their state, for tests and the headless driver.
// Each call takes the view's own lock.
#include <mutex>

#include "kirimo/cartridge_base/control_views.h"

// One text behind a lock.
class TGuardedText {
 public:
  void Set(std::string_view text);
  std::string Get() const;

 private:
  mutable std::mutex Mutex;
  std::string Text;
};

class TPlainStatusBar : public TStatusBarView {
 public:
  void SetText(std::string_view text) override { Shown.Set(text); }
  std::string Text() const override { return Shown.Get(); }

 private:
  TGuardedText Shown;
};

class TPlainNamePanel : public TNamePanelView {
 public:
  void SetCaption(std::string_view caption) override { Shown.Set(caption); }
  std::string Caption() const override { return Shown.Get(); }

 private:
  TGuardedText Shown;
};
