#pragma once
// The keypad described as text, one control a line, for test drivers that see
// a window painted without child controls: "name<TAB>index<TAB>x<TAB>y<TAB>caption",
// x and y the control's centre in screen pixels. Hidden controls are left out;
// list rows carry "*" after the text when selected. Last come "status", "name"
// and "enabled" lines without a place.
#include <string>

#include "kirimo/cartridge_base/candidate_list_model.h"
#include "kirimo/shell/keypad_captions.h"
#include "kirimo/shell/keypad_hit_testing.h"

struct TKeypadDescription {
  const TKeypadGeometry& Controls;  // client coordinates
  const TKeypadCaptions& Captions;
  TCandidateListModel::TRows Rows;
  int ItemHeight = 16;
  std::string Status;
  std::string Name;
  bool FormEnabled = false;
  TPoint ClientOrigin;  // the client area's top left on the screen
};

std::string DescribeKeypad(const TKeypadDescription& keypad);
