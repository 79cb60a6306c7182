#pragma once
// Keypad controls as scripts name them, in CP932: "key か", "vowel き",
// "grid ﾊ", "item 3" or "item 花", "クリア", "辞書切替", "隠す", "<", ">", "▲",
// "▼", "sponsor", "title", "status", and while dwell shows them the stem marks
// "stem 3" or "stem 花". A key, vowel or grid cell is named by its caption, as
// shown or as set.
#include <stdexcept>
#include <string>
#include <string_view>

#include "kirimo/shell/keypad_control.h"

class TCandidateListModel;
class TKeypadCaptions;

// A line that names no gesture, or a gesture the keypad cannot take now.
class TScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the keypad shows now, to tell which controls a script can reach.
struct TKeypadView {
  const TKeypadCaptions& Captions;
  bool GridMode = false;
  bool VowelRowVisible = false;
  bool SponsorVisible = false;
  bool StemsShown = false;
  const TCandidateListModel& List;
};

// Throws TScriptError when name is unknown or the control is not shown. An
// item is named by its index, its "quoted" text or its plain text.
TKeypadControl ParseControl(std::string_view name, const TKeypadView& view);
// The name ParseControl takes for control.
std::string ControlName(TKeypadControl control, const TKeypadCaptions& captions);
