#pragma once
// The version box: the program icon, name, tagline, version, copyright and a
// link that opens the README shipped in the program folder.
#include <string>

#include "common/win32/modal_window.h"

class TAboutBox : public TModalWindow {
 public:
  // readmePath: what the link opens (CP932).
  explicit TAboutBox(std::string readmePath) : ReadmePath(std::move(readmePath)) {}

  static constexpr int LinkId = 201;

 private:
  TLayout Layout() const override;
  void CreateControls() override;
  void OnCommand(int id, int notification) override;
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::string ReadmePath;
  TGdiObject TitleFont;
  TGdiObject LinkFont;
  HWND Link = nullptr;
};
