#include "kirimo/shell/keypad_control.h"

bool IsPanel(TKeypadControl control) {
  switch (control.Part) {
    case TKeypadPart::None:
    case TKeypadPart::TitleBar:
    case TKeypadPart::ListBox:
    case TKeypadPart::ItemStem:
    case TKeypadPart::StatusBar:
    case TKeypadPart::Splitter:
    case TKeypadPart::FrameEdge:
      return false;
    default:
      return true;
  }
}

bool HasClickHandler(TKeypadControl control) {
  switch (control.Part) {
    case TKeypadPart::KeyPanel:
    case TKeypadPart::GridPanel:
    case TKeypadPart::Sponsor:
      return false;
    default:
      return IsPanel(control);
  }
}

bool IsScrollButton(TKeypadControl control) {
  return control.Part == TKeypadPart::ListUp || control.Part == TKeypadPart::ListDown;
}

bool IsItem(TKeypadControl control) {
  return control.Part == TKeypadPart::ListBox || control.Part == TKeypadPart::ItemStem;
}

bool IsWindowChrome(TKeypadControl control) {
  return control.Part == TKeypadPart::TitleBar || control.Part == TKeypadPart::FrameEdge ||
         control.Part == TKeypadPart::Splitter;
}
