#pragma once
// Which mouse-move notifications are moves. The set-cursor notifications of a
// disabled window carry a mouse move also when the pointer stayed put (Wine
// sends one with every button event); such a move must not cancel a
// double-click or a press.
#include <optional>

#include "kirimo/shell/keypad_layout.h"

class TPointerMoves {
 public:
  // Told the pointer's screen position at every notification; true when it
  // differs from the last one (the first position counts as a move).
  bool MovedTo(TPoint where);

 private:
  std::optional<TPoint> Last;
};
