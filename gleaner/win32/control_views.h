#pragma once
// The controller's views on real controls: a progress bar and a drop-down list.
#include <windows.h>

#include "gleaner/gleaner_views.h"

class TProgressBarView : public TProgressView {
 public:
  void Attach(HWND bar);  // steps of one
  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void StepIt() override;

 private:
  HWND Bar = nullptr;
};

class TComboChoiceView : public TChoiceView {
 public:
  void Attach(HWND combo) { Combo = combo; }
  void SetItems(const TStringList& items) override;
  void SetItemIndex(int index) override;
  std::string Text() const override;

 private:
  HWND Combo = nullptr;
};
