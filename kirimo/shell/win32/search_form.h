#pragma once
// The keypad window. One window that paints its panels itself from the
// keypad model and lays them out with LayoutKeypad; while another program is
// active it stays disabled and reads the mouse from set-cursor notifications,
// so a click never takes the activation from the target.
#include <memory>
#include <optional>
#include <string>

#include "common/win32/handles.h"
#include "common/win32/window_base.h"
#include "kirimo/shell/keypad_gestures.h"
#include "kirimo/shell/keypad_model.h"
#include "kirimo/shell/keypad_observer.h"
#include "kirimo/shell/keypad_timers.h"
#include "kirimo/shell/keypad_tree_layout.h"
#include "kirimo/shell/win32/caption_fonts.h"
#include "kirimo/shell/win32/keypad_form_view.h"
#include "kirimo/shell/win32/keypad_window.h"

class TAdvertiser;

class TSearchForm : public TWindowBase,
                    public TKeypadWindow,
                    public TKeypadObserver,
                    public TKeypadTimerHost {
 public:
  explicit TSearchForm(const TKeypadServices& services);
  ~TSearchForm() override;

  HWND Handle() const override { return TWindowBase::Handle(); }
  bool IsShowing() const override;
  void Show() override;
  void Hide() override;
  void SetKeypadEnabled(bool formEnabled) override;
  void SetGridMode(bool use50) override;
  void ShowSponsor(bool visible) override;
  void ReloadUserDictionaries() override;
  void RebuildCartridges() override;
  void SaveTick() override;
  void StopIdle() override;
  void RestartIdle() override;
  void SetDialogOpen(bool open) override;
  void KeepOnTop() override;
  void SetListFont(const TListFont& font) override;
  void SetScrollInterval(int milliseconds) override;
  void SetDwellTime(int milliseconds) override;
  void ShowStatus(std::string_view text) override;
  void Close() override;

 private:
  // TKeypadObserver (the model and the gestures call these)
  void Repaint() override;
  void FormEnabledChanged() override;
  void SetBusyCursor(bool busy) override;
  void ShowStatusNow(std::string_view text) override;
  void HideKeypad() override { Hide(); }
  void OpenSponsorPage() override;
  void BeginMoveSize(TKeypadControl from) override;
  // TKeypadTimerHost
  void StartTimer(TKeypadTimer timer, int milliseconds) override;
  void StopTimer(TKeypadTimer timer) override;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The keypad keeps working: nothing of its handlers interrupts the user.
  void OnMessageFailure() noexcept override {}
  // Mouse input of the disabled window; true when the message is handled.
  bool OnSetCursor(LPARAM lParam);
  // Where the pointer is, in client pixels.
  TPoint PointerInClient() const;
  // The control under the pointer (None when the pointer is not over this
  // window), and where the pointer is in client pixels.
  TKeypadControl ControlUnderPointer(TPoint& point) const;
  // Every dwell frame: a pointer that left, or a list that changed under it, without a move.
  void LookAtPointer();
  bool OnSplitterMouse(UINT message, LPARAM lParam);
  // The mouse over the usable window: only "隠す" takes a click.
  void OnEnabledMouse(UINT message, LPARAM lParam);
  void StartSplitterDrag(int y);
  // The platform's move or size loop from the press that asked for it.
  void RunMoveSize(WPARAM command);
  void EndMoveSize();
  // Every panel in client coordinates, at the window's DPI.
  TKeypadTree Layout() const;
  TKeypadTree LayoutWith(int keyHeight) const;
  void FitListPage();
  TKeypadGeometry HitGeometry() const;
  // The list font's rows, never lower than 16 pixels at 96 DPI.
  int ItemHeight() const;
  void Paint(HDC dc);
  void PaintButtons(HDC dc, const TKeypadTree& tree);
  void PaintDwell(HDC dc, const TKeypadGeometry& geometry);
  int DwellTolerance() const;
  void PlaceSponsor();
  void MakeFonts();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void MakeGestures();
  void SaveGeometry();
  // A worker changed the list, the status or the name: one repaint, posted.
  void PostRepaint();
  void SendAutomationDump(HWND requester);

  TAppIni& Settings;
  TKeypadFormView Form;
  std::unique_ptr<TSearchFormController> Controller;
  std::unique_ptr<TKeypadModel> Model;
  std::unique_ptr<TKeypadGestures> Gestures;
  std::unique_ptr<TAdvertiser> Advertiser;
  TUniqueWindow SponsorPanel;
  TGdiObject ListFont;
  int ListFontHeight = 0;
  TGdiObject StripFont;  // the status bar and the sponsor strip: the dialogs' font
  TCaptionFonts CaptionFonts;
  int Dpi = 96;  // fixed sizes and fonts are made for it
  int KeyHeight = 0;
  int ScrollInterval = 100;
  std::optional<int> SplitterGrab;  // the pointer's distance above the key panel while dragging
  std::optional<int> SplitterLine;  // the key height the dragged line shows
};
