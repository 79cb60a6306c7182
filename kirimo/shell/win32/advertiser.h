#pragma once
// The sponsor strip: a child window filling its panel that scrolls the
// messages of the sponsor file from right to left every 150 ms while shown.
#include <memory>
#include <string_view>

#include "common/win32/handles.h"
#include "common/win32/window_base.h"
#include "kirimo/shell/sponsor_scroll.h"

class TAdvertiser : public TWindowBase {
 public:
  // Reads the sponsor file and starts at a random message.
  explicit TAdvertiser(std::string_view sponsorFile);
  ~TAdvertiser() override;

  // Makes the strip inside panel, filling it, and starts scrolling.
  bool Attach(HWND panel, HFONT font);
  // The keypad's fonts were made anew (another DPI); font is not owned.
  void SetFont(HFONT font);
  // The panel's size changed.
  void FitToPanel();
  // The keypad was shown or hidden: scrolling resumes where it stopped.
  void SetShowing(bool showing);
  // Opens the page of the message on show; nothing without entries.
  void OpenPage() const;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc) const;
  int ClientWidth() const;
  HGDIOBJ StripFont() const;

  TSponsorScroll Strip;
  HFONT Font = nullptr;
};
