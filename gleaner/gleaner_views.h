#pragma once
// What the controller sees of the window: its two progress bars and the
// dictionary drop-down. The window implements them on its controls; the plain
// ones (plain_views.h) serve tests and the headless driver.
#include <string>

#include "common/string_list.h"

class TProgressView {
 public:
  virtual ~TProgressView() = default;
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void StepIt() = 0;  // one step forward
};

class TChoiceView {
 public:
  virtual ~TChoiceView() = default;
  virtual void SetItems(const TStringList& items) = 0;
  virtual void SetItemIndex(int index) = 0;
  // The text of the chosen item; empty when none is chosen.
  virtual std::string Text() const = 0;
};
