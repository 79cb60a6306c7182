#pragma once
// Gleaner's window: the source text, the extracted notations (painted by
// status) and their readings, the dictionary to register in. It only holds the
// controls; every event goes to TGleanerFormLogic, and the window shows the
// lists and the message the logic then holds.
#include <windows.h>

#include <memory>

#include "common/string_list.h"
#include "common/win32/handles.h"
#include "common/win32/window_base.h"
#include "gleaner/gleaner_controller.h"
#include "gleaner/gleaner_form_layout.h"
#include "gleaner/gleaner_form_logic.h"
#include "gleaner/win32/control_views.h"

class TGleanerForm : public TWindowBase {
 public:
  // Control identifiers, for whoever drives the window from outside.
  enum TControlId : int {
    DicLabelId = 100,
    DicComboBoxId,
    SourceTitleId,
    MemoSourceId,
    ButtonTextClearId,
    ButtonExtractWordId,
    ExtProgressBarId,
    NotationTitleId,
    ListBoxNotationId,
    ButtonNotaAddId,
    ButtonNotaEditId,
    ButtonNotaDeleteId,
    SyllableTitleId,
    ListBoxSyllableId,
    ButtonSyllAddId,
    ButtonSyllEditId,
    ButtonSyllDeleteId,
    ButtonSaveToDicId,
    SaveProgressBarId,
    StatusBarId,
  };

  // The controller answers for the window's whole life; the window owns it.
  explicit TGleanerForm(std::unique_ptr<TGleanerController> controller);
  ~TGleanerForm() override;

  // Makes the window at 400 x 528 (at 96 DPI, scaled) centred on the screen
  // and shows it. False when it could not be made.
  bool Create();
  HWND Control(int id) const { return GetDlgItem(Handle(), id); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  void MakeFonts();
  void ApplyLayout();
  void OnCommand(int id, int notification);
  void DrawNotation(const DRAWITEMSTRUCT& item);
  bool OnSetCursor();
  void OnMouse(UINT message, int x, int y);

  void TextClear();
  void ExtractWord();
  void NotationAdd();
  void NotationEdit();
  void ReadingAdd();
  void ReadingEdit();
  void SaveToDic();
  void DictionaryChange();
  // The lists as the logic holds them, then its message if it has one.
  void ShowLists();
  void ShowMessageOfLogic();
  void FocusMemo();

  std::unique_ptr<TGleanerController> Controller;
  TProgressBarView ExtractProgress;
  TProgressBarView SaveProgress;
  TComboChoiceView DicSelector;
  std::unique_ptr<TGleanerFormLogic> Logic;
  TStringList ShownNotations;
  TStringList ShownReadings;

  int Dpi = 96;
  TGdiObject Font;
  TGdiObject BoldFont;
  TGleanerSplitters Splitters{SourceHeight96, NotationWidth96};
  TGleanerSplitter Dragging = TGleanerSplitter::None;
  TGleanerSplitters DragStart{};
  POINT DragFrom{};
};
