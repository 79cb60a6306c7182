#include "kirimo/shell/keypad_model.h"

#include <algorithm>
#include <string>

#include "common/blank_text.h"
#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_commands.h"
#include "kirimo/shell/keypad_observer.h"

TKeypadModel::TKeypadModel(TKeypadCommands& controller, TCandidateListModel& list,
                           TKeypadObserver& window, bool use50)
    : Commands(controller), List(list), Observer(window) {
  List.SetItemIndex(-1);
  RefreshKeyLabels();
  RefreshVowelLabels("");
  SetGridMode(use50);
}

void TKeypadModel::SetGridMode(bool use50) {
  UseGrid = use50;
  Observer.Repaint();
  Commands.ClearKeys();
  Commands.ResetHistory();
  Commands.ResetIdle();
  if (UseGrid) {
    RefreshGridLetters();
  } else {
    RefreshKeyLabels();
    RefreshVowelLabels("");
  }
}

void TKeypadModel::SetKeypadEnabled(bool formEnabled) {
  WindowUsable = formEnabled;
  Observer.FormEnabledChanged();
}

void TKeypadModel::SetDialogOpen(bool open) {
  Dialog = open;
  Observer.FormEnabledChanged();
}

template <typename TReload>
void TKeypadModel::Reload(std::string_view status, TReload&& reload) {
  TBusyCursor busy(Observer);
  Observer.ShowStatusNow(status);
  reload();
  Observer.ShowStatusNow("");
}

void TKeypadModel::ReloadUserDictionaries() {
  Reload("ユーザー辞書リロード。。。", [this] { Commands.ReloadUserDictionaries(); });
}

void TKeypadModel::RebuildCartridges() {
  Reload("拡張辞書リロード。。。", [this] { Commands.RebuildCartridges(); });
  // The new set starts at its first cartridge, whose captions may differ.
  RefreshKeyLabels();
  RefreshGridLetters();
  if (!UseGrid) RefreshVowelLabels("");
}

void TKeypadModel::Click(TKeypadControl button) {
  switch (button.Part) {
    case TKeypadPart::Key:
      KeyClick(button.Index);
      break;
    case TKeypadPart::Vowel:
      Commands.VowelInput(Shown.Vowels().at(button.Index));
      break;
    case TKeypadPart::GridCell:
      GridCellClick(button.Index);
      break;
    case TKeypadPart::Clear:
      Commands.ClearKeys();
      RefreshVowelLabels("");
      break;
    case TKeypadPart::Dictionary:
      Commands.SwitchCartridge();
      RefreshGridLetters();
      RefreshKeyLabels();
      if (!UseGrid) RefreshVowelLabels("");
      break;
    case TKeypadPart::Hide:
      Observer.HideKeypad();
      break;
    case TKeypadPart::ListLeft:
      Commands.BackStep();
      if (!UseGrid) RefreshVowelLabels("");
      break;
    case TKeypadPart::ListRight:
      Commands.ForwardStep();
      break;
    case TKeypadPart::ListUp:
      ScrollUp();
      break;
    case TKeypadPart::ListDown:
      ScrollDown();
      break;
    default:
      break;  // not a button
  }
}

void TKeypadModel::KeyClick(int key) {
  // A copy: the refreshes below replace the captions.
  std::string caption = Shown.Keys().at(key);
  if (key == LayoutKey) {
    if (IsBlankText(caption)) return;
    Commands.NextLayout();
    RefreshKeyLabels();
  } else if (key == StarKey) {
    Commands.KeyInput(caption);
    RefreshKeyLabels();
    RefreshVowelLabels("");
  } else {
    Commands.KeyInput(caption);
    RefreshVowelLabels(caption);
  }
}

void TKeypadModel::GridCellClick(int cell) {
  const std::string& caption = Shown.Grid().at(cell);
  if (cell != LayoutCell) {
    Commands.SyllableInput(caption);
  } else if (!IsBlankText(caption)) {
    Commands.NextLayout();
    RefreshGridLetters();
  }
}

void TKeypadModel::ScrollUp() {
  int top = List.TopIndex();
  if (top > 0) List.SetTopIndex(top - 1);
}

void TKeypadModel::ScrollDown() {
  int top = List.TopIndex();
  if (top < List.Count()) List.SetTopIndex(top + 1);
}

void TKeypadModel::PressItem(int index) {
  List.SetItemIndex(index);
  List.SetSelected(index, true);
}

void TKeypadModel::SelectItem(int index) {
  List.SetItemIndex(index);
  Commands.SelectCandidate(index);
  RefreshVowelLabels("");
}

void TKeypadModel::LongPressItem() {
  Commands.AcceptCandidate();
  if (!UseGrid) RefreshVowelLabels("");
}

void TKeypadModel::AcceptItem(int index) {
  List.ClearSelection();
  PressItem(index);
  LongPressItem();
}

std::string TKeypadModel::ItemText(int index) const { return List.ItemText(index); }

void TKeypadModel::RefreshKeyLabels() {
  Shown.SetKeyLabels(Commands.CurrentKeyLabels());
  Observer.Repaint();
}

void TKeypadModel::RefreshVowelLabels(std::string_view caption) {
  Shown.SetVowelLabels(Commands.VowelLabelsFor(caption));
  Observer.Repaint();
}

void TKeypadModel::RefreshGridLetters() {
  Shown.SetGridLetters(Commands.CurrentGridLetters());
  Observer.Repaint();
}
