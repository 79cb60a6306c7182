#include "kirimo/shell/win32/search_form.h"

#include <algorithm>

#include "common/win32/dpi.h"
#include "common/win32/fonts.h"
#include "common/win32/ui_dispatcher.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/shell/keypad_description.h"
#include "kirimo/shell/keypad_scaling.h"
#include "kirimo/shell/win32/advertiser.h"
#include "kirimo/shell/win32/font_choice.h"
#include "kirimo/shell/win32/foreground.h"
#include "kirimo/shell/win32/keypad_automation.h"
#include "kirimo/shell/win32/keypad_dwell_painter.h"
#include "kirimo/shell/win32/keypad_painter.h"

namespace {

constexpr UINT_PTR FirstTimerId = 1;  // one id per keypad timer after it

UINT_PTR TimerId(TKeypadTimer timer) { return FirstTimerId + static_cast<UINT_PTR>(timer); }

// Posted by a press on the window's chrome; wParam: the system command that
// moves or sizes, or 0 for the splitter.
constexpr UINT BeginMoveSizeMessage = WM_APP + 20;

static_assert(FrameLeft == WMSZ_LEFT && FrameBottomRight == WMSZ_BOTTOMRIGHT,
              "edges as the size loop numbers them");

WPARAM MoveSizeCommand(TKeypadControl from) {
  if (from.Part == TKeypadPart::TitleBar) return SC_MOVE | HTCAPTION;
  if (from.Part == TKeypadPart::FrameEdge) return SC_SIZE | static_cast<WPARAM>(from.Index);
  return 0;
}

int FontCellHeight(HWND window, HGDIOBJ font) {
  TWindowDc dc(window);
  TSelection selected(dc.Get(), font);
  TEXTMETRICW metrics{};
  return GetTextMetricsW(dc.Get(), &metrics) ? metrics.tmHeight : 0;
}

constexpr int ListItemHeight = 16;

// A stored colour: negative values name a system colour in their low byte.
COLORREF ColourOf(int stored) {
  if (stored < 0) return GetSysColor(stored & 0xFF);
  return static_cast<COLORREF>(stored);
}

}  // namespace

TSearchForm::TSearchForm(const TKeypadServices& services)
    : Settings(services.Settings), Form([this] { PostRepaint(); }) {
  CreateBound({L"TSearchForm", 0, nullptr}, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
              WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN, L"Kirimo", Settings.Left,
              Settings.Top, Settings.Width, Settings.Height, services.Owner);
  KeyHeight = Settings.KeyHeight;
  ScrollInterval = Settings.ScrollTime;
  Dpi = WindowDpi(Handle());
  MakeFonts();
  Form.ListBox().SetItems({"ファイルが", "ありません"});
  Controller = std::make_unique<TSearchFormController>(Form, services.MakeRevolver);
  ShowSponsor(Settings.CMVisible);
  Model = std::make_unique<TKeypadModel>(*Controller, Form.ListBox(), *this, Settings.Use50Key);
  MakeGestures();
  FitListPage();
}

TSearchForm::~TSearchForm() { Close(); }

void TSearchForm::MakeFonts() {
  SetListFont(Settings.ListFont);
  StripFont.Reset(CreateDialogFont(Dpi));
  if (Advertiser) Advertiser->SetFont(static_cast<HFONT>(StripFont.Get()));
}

// The window moved to a monitor of another DPI: fonts and fixed sizes follow,
// the key panel keeps its share, and the window takes the size suggested.
void TSearchForm::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == Dpi) return;
  KeyHeight = RescaleForDpi(KeyHeight, Dpi, dpi);
  Dpi = dpi;
  MakeFonts();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceSponsor();
  FitListPage();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TSearchForm::MakeGestures() {
  Gestures = std::make_unique<TKeypadGestures>(
      *Model, *this,
      TKeypadTimings{static_cast<int>(GetDoubleClickTime()), Settings.AcumulateTime, ScrollInterval,
                     Settings.DwellTime, DwellTolerance()});
}

// Pixels at 96 DPI in the settings: a trembling hand strays as far on any screen.
int TSearchForm::DwellTolerance() const { return ScaleForDpi(Settings.DwellTolerance, Dpi); }

void TSearchForm::SetDwellTime(int milliseconds) {
  Gestures->SetDwell(milliseconds, DwellTolerance());
  InvalidateRect(Handle(), nullptr, FALSE);
}

bool TSearchForm::IsShowing() const { return Handle() != nullptr && IsWindowVisible(Handle()); }

void TSearchForm::Show() {
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  if (Advertiser) Advertiser->SetShowing(true);
  RestartIdle();
}

void TSearchForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  if (Advertiser) Advertiser->SetShowing(false);
}

void TSearchForm::SetKeypadEnabled(bool formEnabled) { Model->SetKeypadEnabled(formEnabled); }

void TSearchForm::SetGridMode(bool use50) { Model->SetGridMode(use50); }

void TSearchForm::ShowSponsor(bool visible) {
  Advertiser.reset();
  SponsorPanel.Reset();
  if (visible) {
    // While the keypad is disabled the mouse over the strip reaches the keypad,
    // as everywhere; while it is usable the strip takes its own double-click.
    SponsorPanel.Reset(CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0,
                                       0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr),
                                       nullptr));
    PlaceSponsor();
    Advertiser = std::make_unique<TAdvertiser>(Settings.CMFile);
    Advertiser->Attach(SponsorPanel.Get(), static_cast<HFONT>(StripFont.Get()));
    Advertiser->SetShowing(IsShowing());
  }
  FitListPage();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TSearchForm::ReloadUserDictionaries() { Model->ReloadUserDictionaries(); }

void TSearchForm::RebuildCartridges() { Model->RebuildCartridges(); }

void TSearchForm::SaveGeometry() {
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  Settings.SetTop(frame.top);
  Settings.SetLeft(frame.left);
  Settings.SetWidth(frame.right - frame.left);
  Settings.SetHeight(frame.bottom - frame.top);
  Settings.SetKeyHeight(KeyHeight);
}

void TSearchForm::SaveTick() {
  Controller->SaveAll();
  SaveGeometry();
  Settings.SaveIfModified();
}

void TSearchForm::StopIdle() { Controller->StopIdle(); }

void TSearchForm::RestartIdle() { Gestures->RestartIdle(); }

void TSearchForm::SetDialogOpen(bool open) { Gestures->SetDialogOpen(open); }

// Wine keeps each top-level window as a window of the display beneath it and
// restacks that one only when its place in the z-order changes: a topmost
// window that keeps first place from the start stays under every window the
// display raised later (the target started, clicked or maximised), though
// the z-order says otherwise. A change of place, and back, restacks it.
void TSearchForm::KeepOnTop() {
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, keep);
}

void TSearchForm::SetListFont(const TListFont& font) {
  ListFont.Reset(CreateListFont(font, Dpi));
  ListFontHeight = FontCellHeight(Handle(), ListFont.Get());
  PlaceSponsor();
  FitListPage();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TSearchForm::SetScrollInterval(int milliseconds) {
  // The timings are fixed for a gesture tracker's life; a tray command runs between gestures.
  ScrollInterval = milliseconds;
  for (int timer = 0; timer < KeypadTimerCount; ++timer)
    StopTimer(static_cast<TKeypadTimer>(timer));
  MakeGestures();
  RestartIdle();
}

void TSearchForm::ShowStatus(std::string_view text) { ShowStatusNow(text); }

void TSearchForm::Close() {
  if (Handle() == nullptr) return;
  SaveGeometry();
  Settings.SaveAll();
  for (int timer = 0; timer < KeypadTimerCount; ++timer)
    StopTimer(static_cast<TKeypadTimer>(timer));
  Controller->StopIdle();
  Advertiser.reset();
  Gestures.reset();
  Model.reset();
  Controller.reset();  // the workers end here; nothing reports into the window any more
  Destroy();
}

void TSearchForm::Repaint() {
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
}

void TSearchForm::FormEnabledChanged() {
  if (Handle() == nullptr) return;
  if (Model) EnableWindow(Handle(), Model->WindowEnabled());
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TSearchForm::SetBusyCursor(bool busy) {
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void TSearchForm::ShowStatusNow(std::string_view text) {
  Form.StatusBar().SetText(text);
  if (Handle() == nullptr) return;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TSearchForm::OpenSponsorPage() {
  if (Advertiser) Advertiser->OpenPage();
}

// Later, from the message queue: the press arrived inside a set-cursor
// notification, no place for a loop of its own.
void TSearchForm::BeginMoveSize(TKeypadControl from) {
  PostMessageW(Handle(), BeginMoveSizeMessage, MoveSizeCommand(from), 0);
}

void TSearchForm::RunMoveSize(WPARAM command) {
  // Released meanwhile: a loop begun now would wait for the next press.
  if ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0) return EndMoveSize();
  if (command == 0) return StartSplitterDrag(PointerInClient().Y);
  POINT cursor{};
  GetCursorPos(&cursor);
  // The platform's own loop, on a window that is never activated; it returns when the button is up.
  DefaultMessage(WM_SYSCOMMAND, command, MAKELPARAM(cursor.x, cursor.y));
  EndMoveSize();
}

void TSearchForm::EndMoveSize() {
  if (Gestures) Gestures->MoveSizeEnded(ThisProgramIsActive());
}

void TSearchForm::StartTimer(TKeypadTimer timer, int milliseconds) {
  SetTimer(Handle(), TimerId(timer), static_cast<UINT>(std::max(milliseconds, 1)), nullptr);
}

void TSearchForm::StopTimer(TKeypadTimer timer) { KillTimer(Handle(), TimerId(timer)); }

void TSearchForm::PostRepaint() {
  // Any thread: only the dispatcher touches the window, later, on the UI thread.
  if (TUiDispatcher* dispatcher = UiDispatcher())
    dispatcher->Post(&Form, nullptr, [this] {
      if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
    });
}

int TSearchForm::ItemHeight() const {
  return std::max(ScaleForDpi(ListItemHeight, Dpi), ListFontHeight);
}

TKeypadTree TSearchForm::Layout() const { return LayoutWith(KeyHeight); }

TKeypadTree TSearchForm::LayoutWith(int keyHeight) const {
  RECT client{};
  GetClientRect(Handle(), &client);
  TKeypadShape shape{client.right,
                     client.bottom,
                     keyHeight,
                     SponsorPanel.Get() != nullptr,
                     Form.VowelRowVisible(),
                     Model && Model->GridMode()};
  return LayoutKeypad(shape, KeypadSizesForDpi(Dpi));
}

// "▼" stops where the list's last full page begins.
void TSearchForm::FitListPage() {
  Form.ListBox().SetPageRows(Layout().Controls.ListBox.Height() / std::max(ItemHeight(), 1));
}

TKeypadGeometry TSearchForm::HitGeometry() const {
  TKeypadGeometry geometry = Layout().Controls;
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  geometry.Frame = {frame.left - origin.x, frame.top - origin.y, frame.right - origin.x,
                    frame.bottom - origin.y};
  geometry.TitleBar = {geometry.Frame.Left, geometry.Frame.Top, geometry.Frame.Right, 0};
  geometry.FrameBorder = origin.x - frame.left;
  geometry.FrameCorner = origin.y - frame.top;
  geometry.ItemHeight = ItemHeight();
  geometry.ListTopIndex = Form.ListBox().TopIndex();
  geometry.ListCount = Form.ListBox().Count();
  if (Gestures && Gestures->Dwell().StemsShown())
    geometry.StemWidth = StemWidthFor(geometry.ItemHeight);
  return geometry;
}

void TSearchForm::PlaceSponsor() {
  if (!SponsorPanel) return;
  const TRect strip = Layout().Controls.Sponsor;
  MoveWindow(SponsorPanel.Get(), strip.Left, strip.Top, strip.Width(), strip.Height(), TRUE);
  if (Advertiser) Advertiser->FitToPanel();
}

void TSearchForm::PaintButtons(HDC dc, const TKeypadTree& tree) {
  const TKeypadGeometry& g = tree.Controls;
  const TKeypadCaptions& captions = Model->Captions();
  const TKeypadControl pressed = Gestures ? Gestures->PressedButton() : TKeypadControl{};
  // While the window itself is usable its keys are not: they show in the inactive-caption colour.
  const COLORREF keys =
      GetSysColor(Model->KeysEnabled() ? COLOR_WINDOWTEXT : COLOR_INACTIVECAPTION);
  const int smallest = ScaleForDpi(SmallestCaptionHeight96, Dpi);
  // Captions grow with their buttons, each kind as its first button says, so a row keeps one size.
  auto style = [&](TCaptionKind kind, const TRect& first) {
    return TCaptionStyle{CaptionFonts, CaptionHeightFor(kind, first.Height(), Dpi), smallest};
  };
  auto button = [&](const TRect& rect, std::string_view caption, TKeypadPart part, int index,
                    COLORREF colour, const TCaptionStyle& look) {
    PaintButton(dc, rect, caption, pressed == TKeypadControl{part, index}, colour, look);
  };
  if (g.GridVisible) {
    const TCaptionStyle cells =
        style(TCaptionKind::GridCell, g.GridCells.empty() ? TRect{} : g.GridCells[0]);
    for (std::size_t i = 0; i < g.GridCells.size() && i < captions.Grid().size(); ++i)
      button(g.GridCells[i], ShownCaption(captions.Grid()[i]), TKeypadPart::GridCell,
             static_cast<int>(i), keys, cells);
  } else {
    const TCaptionStyle keyStyle = style(TCaptionKind::Key, g.Keys[0]);
    for (int i = 0; i < KeyCount; ++i)
      button(g.Keys[i], captions.Keys()[i], TKeypadPart::Key, i, keys, keyStyle);
  }
  const TCaptionStyle vowels = style(TCaptionKind::Vowel, g.Vowels[0]);
  for (int i = 0; i < VowelCount; ++i)
    button(g.Vowels[i], captions.Vowels()[i], TKeypadPart::Vowel, i, keys, vowels);
  const std::string name = Form.NameText();
  const TCaptionStyle commands = style(TCaptionKind::Command, g.Clear);
  const TCaptionStyle listButtons = style(TCaptionKind::Fixed, {});
  auto fixed = [&](const TRect& rect, TKeypadPart part, COLORREF colour,
                   const TCaptionStyle& look) {
    button(rect, FixedCaption(part, name), part, 0, colour, look);
  };
  fixed(g.Clear, TKeypadPart::Clear, keys, commands);
  fixed(g.Dictionary, TKeypadPart::Dictionary, keys, commands);
  fixed(g.Hide, TKeypadPart::Hide,
        GetSysColor(Model->HideEnabled() ? COLOR_BTNTEXT : COLOR_INACTIVECAPTION), commands);
  fixed(g.ListLeft, TKeypadPart::ListLeft, keys, listButtons);
  fixed(g.ListUp, TKeypadPart::ListUp, keys, listButtons);
  fixed(g.ListDown, TKeypadPart::ListDown, keys, listButtons);
  fixed(g.ListRight, TKeypadPart::ListRight, keys, listButtons);
}

void TSearchForm::PaintDwell(HDC dc, const TKeypadGeometry& geometry) {
  if (!Gestures) return;
  const TKeypadDwell& dwell = Gestures->Dwell();
  if (dwell.StemsShown() && !Model->FormEnabled()) PaintStemMarks(dc, geometry);
  if (const std::optional<TDwellCountdown> countdown = dwell.Countdown())
    PaintDwellCountdown(dc, ControlRect(geometry, countdown->Control), countdown->Permille);
}

void TSearchForm::Paint(HDC target) {
  RECT client{};
  GetClientRect(Handle(), &client);
  TMemoryDc memory(CreateCompatibleDC(target));
  TGdiObject bitmap(CreateCompatibleBitmap(target, std::max<int>(client.right, 1),
                                           std::max<int>(client.bottom, 1)));
  {
    TSelection canvas(memory.Get(), bitmap.Get());
    // The status bar and anything without a font of its own: the dialogs' font.
    TSelection font(memory.Get(), StripFont.Get());
    HDC dc = memory.Get();
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const TKeypadTree tree = Layout();
    const TRect& list = tree.Controls.ListBox;
    RECT listFrame = ToRect(list);
    const int rowCount = (list.Height() + ItemHeight() - 1) / std::max(ItemHeight(), 1);
    {
      TSelection rows(dc, ListFont.Get());
      PaintCandidateRows(dc, list, Form.ListBox().VisibleRows(rowCount), ItemHeight(),
                         Model->KeysEnabled() ? ColourOf(Settings.ListFont.Color)
                                              : GetSysColor(COLOR_INACTIVECAPTION));
    }
    DrawEdge(dc, &listFrame, EDGE_SUNKEN, BF_RECT);
    PaintButtons(dc, tree);
    PaintStatusBar(dc, tree.Controls.StatusBar, Form.StatusText());
    if (SplitterLine) {
      // The line a drag of the splitter shows; the panels follow at the release.
      RECT line = ToRect(LayoutWith(*SplitterLine).Controls.Splitter);
      InvertRect(dc, &line);
    }
    PaintDwell(dc, HitGeometry());
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  }
}

TPoint TSearchForm::PointerInClient() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  return {cursor.x, cursor.y};
}

TKeypadControl TSearchForm::ControlUnderPointer(TPoint& point) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  // A window over this one (a dialog, the tray menu) has the pointer; a disabled popup is found
  // here.
  const bool over = WindowFromPoint(cursor) == Handle();
  point = PointerInClient();
  return over ? HitTest(HitGeometry(), point) : TKeypadControl{};
}

void TSearchForm::LookAtPointer() {
  if (IsWindowEnabled(Handle()) || !IsWindowVisible(Handle())) {
    Gestures->PointerAt({}, std::nullopt);
    return;
  }
  TPoint point;
  const TKeypadControl control = ControlUnderPointer(point);
  Gestures->PointerAt(control, point);
}

bool TSearchForm::OnSetCursor(LPARAM lParam) {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (IsWindowEnabled(Handle()) || !Gestures) return true;
  const TPoint point = PointerInClient();
  const TKeypadControl control = HitTest(HitGeometry(), point);
  switch (HIWORD(lParam)) {
    case WM_MOUSEMOVE:
      Gestures->MouseMove(control, point);
      break;
    case WM_LBUTTONDOWN:
      Gestures->MouseDown(control);
      break;
    case WM_LBUTTONUP:
      Gestures->MouseUp(control);
      break;
  }
  return true;
}

// A line follows the drag; the panels change at the release.
void TSearchForm::StartSplitterDrag(int y) {
  SplitterGrab = y - Layout().Controls.Splitter.Bottom;
  SplitterLine = KeyHeight;
  SetCapture(Handle());
  InvalidateRect(Handle(), nullptr, FALSE);
}

// While the window is usable itself, the splitter between the list and the keys moves.
bool TSearchForm::OnSplitterMouse(UINT message, LPARAM lParam) {
  const int y = static_cast<short>(HIWORD(lParam));
  const int x = static_cast<short>(LOWORD(lParam));
  const TKeypadTree tree = Layout();
  switch (message) {
    case WM_LBUTTONDOWN:
      if (!tree.Controls.Splitter.Contains({x, y})) return false;
      StartSplitterDrag(y);
      return true;
    case WM_MOUSEMOVE: {
      if (!SplitterGrab) return false;
      const int keyHeight =
          DraggedKeyHeight(tree, KeypadSizesForDpi(Dpi), ItemHeight(), y - *SplitterGrab);
      if (keyHeight != SplitterLine) {
        SplitterLine = keyHeight;
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      return true;
    }
    case WM_LBUTTONUP:
      if (!SplitterGrab) return false;
      KeyHeight = SplitterLine.value_or(KeyHeight);
      SplitterGrab.reset();
      SplitterLine.reset();
      ReleaseCapture();
      PlaceSponsor();
      FitListPage();
      InvalidateRect(Handle(), nullptr, FALSE);
      EndMoveSize();
      return true;
  }
  return false;
}

void TSearchForm::OnEnabledMouse(UINT message, LPARAM lParam) {
  if (!Gestures) return;
  const TKeypadControl control = HitTest(
      HitGeometry(), {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  if (message == WM_LBUTTONDOWN) Gestures->MouseDown(control);
  if (message == WM_LBUTTONUP) Gestures->MouseUp(control);
  if (message == WM_MOUSEMOVE) Gestures->MouseMove(control);
}

LRESULT TSearchForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT automationMessage = KeypadAutomationMessage();
  if (message == automationMessage && automationMessage != 0) {
    SendAutomationDump(reinterpret_cast<HWND>(wParam));
    return 1;
  }
  switch (message) {
    case WM_SETCURSOR:
      if (IsWindowEnabled(Handle())) {
        if (LOWORD(lParam) == HTCLIENT && Layout().Controls.Splitter.Contains(PointerInClient())) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
          return TRUE;
        }
        break;
      }
      return OnSetCursor(lParam) ? TRUE : FALSE;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (OnSplitterMouse(message, lParam)) return 0;
      OnEnabledMouse(message, lParam);
      break;
    case WM_CAPTURECHANGED:
      // Lost to another window before the release: the drag ends, the panels as they were.
      if (SplitterGrab) {
        SplitterGrab.reset();
        SplitterLine.reset();
        InvalidateRect(Handle(), nullptr, FALSE);
        EndMoveSize();
      }
      break;
    case BeginMoveSizeMessage:
      RunMoveSize(wParam);
      return 0;
    case WM_EXITSIZEMOVE:
      EndMoveSize();
      break;
    case WM_WINDOWPOSCHANGING:
      // Never activated by a move or size: Wine's move loop places the window
      // without SWP_NOACTIVATE, which would take the activation from the target.
      reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOACTIVATE;
      break;
    case WM_PAINT: {
      TPaintDc paint(Handle());
      if (Model) Paint(paint.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SIZE:
      PlaceSponsor();
      FitListPage();
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_TIMER:
      if (wParam >= FirstTimerId && wParam < FirstTimerId + KeypadTimerCount) {
        const auto timer = static_cast<TKeypadTimer>(wParam - FirstTimerId);
        if (!Gestures) return 0;
        if (timer == TKeypadTimer::DwellFrame) LookAtPointer();
        Gestures->TimerTick(timer);
        return 0;
      }
      break;
    case WM_CLOSE:
      return 0;  // only the tray menu ends the program
  }
  return DefaultMessage(message, wParam, lParam);
}

void TSearchForm::SendAutomationDump(HWND requester) {
  if (!Model || !IsWindow(requester)) return;
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  const TKeypadGeometry geometry = HitGeometry();
  const int rows = geometry.ListBox.Height() / std::max(ItemHeight(), 1);
  const std::string text = DescribeKeypad({geometry,
                                           Model->Captions(),
                                           Form.ListBox().VisibleRows(rows),
                                           ItemHeight(),
                                           Form.StatusText(),
                                           Form.NameText(),
                                           Model->FormEnabled(),
                                           {origin.x, origin.y},
                                           Gestures ? Gestures->Dwell().Countdown() : std::nullopt,
                                           Gestures ? Gestures->Dwell().FiredCount() : 0});
  SendTextTo(requester, text);
}
