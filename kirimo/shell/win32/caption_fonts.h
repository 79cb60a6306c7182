#pragma once
// The face of the keypad's captions at the sizes the buttons ask for, each
// size made once and kept: the keypad repaints often while a dwell counts down.
#include <windows.h>

#include <map>
#include <utility>

#include "common/win32/handles.h"
#include "kirimo/shell/keypad_scaling.h"

class TCaptionFonts {
 public:
  TCaptionFonts() = default;
  TCaptionFonts(const TCaptionFonts&) = delete;
  TCaptionFonts& operator=(const TCaptionFonts&) = delete;

  // Height: the cell height in pixels; Width 0 for the face's own.
  HFONT At(TCaptionFont size);

 private:
  std::map<std::pair<int, int>, TGdiObject> Made;
};
