#pragma once
// What the keypad model asks of its window. The window repaints from the
// model (captions, the pressed button, which panel shows) when told.
#include <string_view>

#include "kirimo/shell/keypad_control.h"

class TKeypadObserver {
 public:
  virtual ~TKeypadObserver() = default;
  // Something the window paints changed: it paints the whole keypad again.
  virtual void Repaint() = 0;
  // FormEnabled changed: the window itself is enabled or disabled to match,
  // and repaints.
  virtual void FormEnabledChanged() = 0;
  // The hourglass while a release or a reload runs.
  virtual void SetBusyCursor(bool busy) = 0;
  // The status bar's text, painted at once (before a long reload).
  virtual void ShowStatusNow(std::string_view text) = 0;
  virtual void HideKeypad() = 0;
  // A double-click on the sponsor strip; nothing while no sponsor shows.
  virtual void OpenSponsorPage() = 0;
  // A press on the caption bar, the sizing border (TitleBar, FrameEdge) or the
  // splitter: the window, now usable, moves or sizes from that press at once,
  // as the platform's own move or size loop (or the splitter's drag), without
  // taking the activation. When it ends the window reports MoveSizeEnded to
  // the gestures, also when it could not start.
  virtual void BeginMoveSize(TKeypadControl from) = 0;
};

// The hourglass for as long as it lives.
class TBusyCursor {
 public:
  explicit TBusyCursor(TKeypadObserver& window) : Window(window) { Window.SetBusyCursor(true); }
  ~TBusyCursor() { Window.SetBusyCursor(false); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  TKeypadObserver& Window;
};
