#include "kirimo/shell/tray_menu.h"

TTrayAction TTrayClicks::OnMouse(TTrayMouse event, bool ready, bool dialogOpen) {
  if (!ready) return TTrayAction::None;
  switch (event) {
    case TTrayMouse::LeftDown:
      LeftArmed = true;
      return TTrayAction::None;
    case TTrayMouse::LeftUp:
      if (!LeftArmed) return TTrayAction::None;
      LeftArmed = false;
      return TTrayAction::ShowKeypad;
    case TTrayMouse::RightDown:
      RightArmed = true;
      return TTrayAction::None;
    case TTrayMouse::RightUp:
      if (!RightArmed) return TTrayAction::None;
      RightArmed = false;
      return dialogOpen ? TTrayAction::None : TTrayAction::PopupMenu;
    case TTrayMouse::Other:
      break;
  }
  return TTrayAction::None;
}
