#pragma once
// The scroll-speed dialog: a number from 1 to 1000 in an edit box with an
// up-down control. GetValue is the up-down position taken when OK was pressed.
#include "common/win32/modal_window.h"

class TInputNumForm : public TModalWindow {
 public:
  static constexpr int Minimum = 1;
  static constexpr int Maximum = 1000;

  void SetValue(int value) { Value = value; }
  int GetValue() const { return Value; }

  // Controls, for whoever drives the dialog.
  static constexpr int EditIntervalId = 101;
  static constexpr int UpDownIntervalId = 102;

 private:
  TLayout Layout() const override;
  void CreateControls() override;
  void OnCommand(int id, int notification) override;

  TGdiObject EditFont;
  HWND UpDown = nullptr;
  int Value = Minimum;
};
