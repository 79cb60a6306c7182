#pragma once
// The extension dictionary settings dialog: three groups of name, file and
// starting key layout. OK stores them only when they pass the checks; Cancel
// changes nothing.
#include "common/win32/modal_window.h"
#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

class TExtDicForm : public TModalWindow, private TExtDicPrompts {
 public:
  // All outlive the dialog.
  TExtDicForm(TAppIni& settings, TExtDicConsumers& consumers)
      : Logic(settings), ProgramSettings(settings), Consumers(consumers) {}

  // Controls of group g (0 to 2), for whoever drives the dialog.
  static constexpr int EditDicNameId(int g) { return 301 + g * 10; }
  static constexpr int EditDicFileId(int g) { return 302 + g * 10; }
  static constexpr int ButtonDicFileId(int g) { return 303 + g * 10; }
  static constexpr int ComboBoxKeyTypeId(int g) { return 304 + g * 10; }

 private:
  TLayout Layout() const override;
  void CreateControls() override;
  void CreateGroup(int group);
  void OnCommand(int id, int notification) override;

  void FormShow();
  void ButtonDicFileClick(int group);
  void ButtonOKClick();
  TExtDicGroups ReadGroups() const;

  void ShowError(std::string_view message) override;
  bool AskYesNo(std::string_view question) override;

  HWND Control(int id) const { return GetDlgItem(Handle(), id); }

  TExtDicSettings Logic;
  const TAppIni& ProgramSettings;
  TExtDicConsumers& Consumers;
  TExtDicGroups Shown;  // as the dialog showed them: a key type left unchosen stays
  TGdiObject FormFont;
};
