#pragma once
// The keypad window without pixels: what each button means, which captions
// each click refreshes, the keys or the grid, and whether the keys are usable.
// It owns the captions the window shows and tells the window what to repaint.
// Mouse gestures reach it through TKeypadGestures. UI thread only.
#include <string>
#include <string_view>

#include "kirimo/shell/keypad_captions.h"
#include "kirimo/shell/keypad_control.h"

class TCandidateListModel;
class TKeypadCommands;
class TKeypadObserver;

class TKeypadModel {
 public:
  // As the window is created: no focused item, the cartridge's key and vowel
  // labels, then the keys or the grid as use50 says (SetGridMode).
  TKeypadModel(TKeypadCommands& controller, TCandidateListModel& list, TKeypadObserver& window,
               bool use50);
  TKeypadModel(const TKeypadModel&) = delete;
  TKeypadModel& operator=(const TKeypadModel&) = delete;

  const TKeypadCaptions& Captions() const { return Shown; }
  // The 50-sound grid shows instead of the keys.
  bool GridMode() const { return UseGrid; }
  // True: the window itself can be moved and sized, its keys are disabled
  // (this program is active). False: the window is disabled, so a click never
  // activates it, and its keys work through TKeypadGestures.
  bool FormEnabled() const { return WindowUsable; }
  // A modal dialog of the tray menu is open: the keypad takes no input at all.
  bool DialogOpen() const { return Dialog; }
  // What the platform window is: enabled while usable itself, never while a
  // dialog is open.
  bool WindowEnabled() const { return WindowUsable && !Dialog; }
  // The keys take clicks (and show in the window-text colour).
  bool KeysEnabled() const { return !WindowUsable && !Dialog; }
  // "隠す" takes clicks in either state, never under a dialog.
  bool HideEnabled() const { return !Dialog; }

  // The grid (use50) or the keys; either way the key string and the replay
  // history start over. The caller has set the setting already.
  void SetGridMode(bool use50);
  void SetKeypadEnabled(bool formEnabled);
  void SetDialogOpen(bool open);
  // Reload or rebuild under the hourglass with a status text; the cursor comes
  // back also when the controller throws.
  void ReloadUserDictionaries();
  void RebuildCartridges();

  // What gestures end in. Click runs the handler of a button (HasClickHandler).
  void Click(TKeypadControl button);
  // One line, within the list.
  void ScrollUp();
  void ScrollDown();
  // A press on a list item focuses and selects it; a short click sends it; a
  // long press accepts the selection as a prefix.
  void PressItem(int index);
  void SelectItem(int index);
  void LongPressItem();
  // The item alone selected and accepted as a prefix, as a long press on it does.
  void AcceptItem(int index);
  std::string ItemText(int index) const;

  TKeypadCommands& Controller() { return Commands; }
  TKeypadObserver& Window() { return Observer; }

 private:
  void KeyClick(int key);
  void GridCellClick(int cell);
  void RefreshKeyLabels();
  // Empty text: the labels of the key string's last letter.
  void RefreshVowelLabels(std::string_view caption);
  void RefreshGridLetters();
  template <typename TReload>
  void Reload(std::string_view status, TReload&& reload);

  TKeypadCommands& Commands;
  TCandidateListModel& List;
  TKeypadObserver& Observer;
  TKeypadCaptions Shown;
  bool UseGrid = false;
  bool WindowUsable = true;
  bool Dialog = false;
};
