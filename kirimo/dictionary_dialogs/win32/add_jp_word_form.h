#pragma once
// The word registration dialog: the word, its reading and class go into the
// user dictionary of the chosen dictionary, usable at once. Stays open after
// registering; the fields keep their values.
#include <string>

#include "common/win32/modal_window.h"
#include "kirimo/dictionary_dialogs/word_registration.h"

class TAddJPWordForm : public TModalWindow {
 public:
  // Both outlive the dialog.
  TAddJPWordForm(const TDictionaryFinder& finder, TReadingSource& readings)
      : Registration(finder, readings) {}

  // Controls, top to bottom, for whoever drives the dialog.
  enum : int {
    ComboBoxDicId = 201,
    EditWordId,
    ComboBoxReadId,
    ComboBoxTypeId,
    ListBoxPatternId,
    ButtonClearId,
    ButtonRegistrationId,
  };

 private:
  TLayout Layout() const override;
  void CreateControls() override;
  void OnCommand(int id, int notification) override;

  void FormShow();
  void ButtonClearClick();
  void EditWordChange();
  void ComboBoxReadEnter();
  void ComboBoxTypeChange();
  void ButtonRegistrationClick();

  TRegistrationFields ReadFields() const;
  // Writes what the logic changed back into the controls.
  void WriteFields(const TRegistrationFields& before, const TRegistrationFields& after);
  HWND Control(int id) const { return GetDlgItem(Handle(), id); }

  TWordRegistration Registration;
  TGdiObject FormFont;
  bool Writing = false;  // our own text changes are not the user's
};
