#include "kirimo/shell/win32/main_form.h"

#include "common/win32/dpi.h"
#include "common/win32/fonts.h"
#include "common/win32/modal_window.h"
#include "common/win32/ui_dispatcher.h"
#include "common/win32/wide_text.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_set/revolver_build.h"
#include "kirimo/engine/dictionary_manager.h"
#include "kirimo/shell/program_messages.h"
#include "kirimo/shell/win32/bell_animation.h"
#include "kirimo/shell/win32/builder_thread.h"
#include "kirimo/shell/win32/foreground.h"
#include "kirimo/shell/win32/program_icon.h"

namespace {

constexpr UINT BuildDoneMessage = WM_APP + 10;
constexpr int SplashWidth = 177;
constexpr int SplashHeight = 135;
constexpr POINT BellPlace{71, 30};  // centred above the message, at 96 DPI

// The one pending delivery notice: a newer one replaces it.
const int DeliveryNotice = 0;

TTrayMouse TrayMouseOf(LPARAM message) {
  switch (static_cast<UINT>(message)) {
    case WM_LBUTTONDOWN:
      return TTrayMouse::LeftDown;
    case WM_LBUTTONUP:
      return TTrayMouse::LeftUp;
    case WM_RBUTTONDOWN:
      return TTrayMouse::RightDown;
    case WM_RBUTTONUP:
      return TTrayMouse::RightUp;
    default:
      return TTrayMouse::Other;
  }
}

// The tray icon's and the recurring timers' failures are swallowed: a box
// every half second would help nobody, and the next tick tries again.
template <typename TStep>
void Quietly(TStep&& step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

TMainForm::TMainForm(TAppIni& settings, TKeypadFactory makeKeypad)
    : Settings(settings),
      MakeKeypad(std::move(makeKeypad)),
      Output(&Tracker,
             [this](TDeliveryProblem problem) {
               // A worker's report: shown by the UI thread, never waited for.
               if (TUiDispatcher* dispatcher = UiDispatcher())
                 dispatcher->Post(&DeliveryNotice, nullptr, [this, problem] {
                   if (Keypad) Keypad->ShowStatus(DeliveryProblemText(problem));
                 });
             }),
      Message("Kirimo起動中。。。") {}

TMainForm::~TMainForm() {
  if (Builder) Builder->TakeManager();
  Keypad.reset();
  Destroy();
  SetDictionaryManager(nullptr);
}

bool TMainForm::Create() {
  const int dpi = WindowDpi(nullptr);
  const int width = ScaleForDpi(SplashWidth, dpi), height = ScaleForDpi(SplashHeight, dpi);
  if (!CreateBound({L"TMainForm", 0, GetSysColorBrush(COLOR_WINDOW), ProgramIcon(32)},
                   WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP, ToWide("Kirimo"),
                   (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr))
    return false;
  SplashFont.Reset(CreateDialogFont(dpi));
  Tray.Add(Handle(), ProgramIcon(GetSystemMetrics(SM_CXSMICON)), "Kirimo");
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  SetTimer(Handle(), BuilderTimer, 1000, nullptr);
  return true;
}

void TMainForm::PaintSplash(HDC dc) {
  const int dpi = WindowDpi(Handle());
  RECT area{};
  GetClientRect(Handle(), &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  DrawBellFrame(dc, {ScaleForDpi(BellPlace.x, dpi), ScaleForDpi(BellPlace.y, dpi)}, FrameIndex,
                ScaleForDpi(100, dpi));
  TSelection font(dc, SplashFont.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT label = area;
  label.top = ScaleForDpi(80, dpi);
  std::wstring text = ToWide(Message);
  DrawTextW(dc, text.c_str(), -1, &label, DT_CENTER | DT_SINGLELINE);
}

void TMainForm::OnTimer(UINT_PTR timer) {
  switch (timer) {
    case BuilderTimer:
      KillTimer(Handle(), BuilderTimer);
      Building = true;
      Builder = std::make_unique<TBuilderThread>(Settings, Handle(), BuildDoneMessage);
      FrameIndex = 0;
      SetTimer(Handle(), AnimeTimer, 110, nullptr);
      break;
    case AnimeTimer:
      OnAnimationTick();
      break;
    case ForeWndTimer:
      Quietly([&] {
        if (!Tracker.Step(Keypad && Keypad->IsShowing())) {
          KillTimer(Handle(), ForeWndTimer);
          return;
        }
        // Not over a menu or dialog of ours, which stay in front while they are open.
        if (!DialogOpen && !MenuOpen) Keypad->KeepOnTop();
      });
      break;
    case SaveTimer:
      if (!Keypad) break;
      Quietly([&] { Keypad->SaveTick(); });
      if (!Keypad->IsShowing()) KillTimer(Handle(), SaveTimer);
      break;
  }
}

void TMainForm::OnBuildDone() {
  if (!Builder) return;
  Manager = Builder->TakeManager();
  SetDictionaryManager(Manager.get());
  // Without dictionaries the keypad still starts (the other modes work); the user is told why.
  if (!Builder->Failure().empty())
    ShowMessageBox(nullptr, UnexpectedErrorText(Builder->Failure()), "Kirimo",
                   MB_OK | MB_ICONERROR);
  if (Manager && !Manager->OpenFailures().empty())
    ShowMessageBox(nullptr, DictionaryFailureText(Manager->OpenFailures()), "Kirimo",
                   MB_OK | MB_ICONWARNING);
  Builder.reset();
  Building = false;
}

void TMainForm::OnAnimationTick() {
  if (Building) {
    FrameIndex = (FrameIndex + 1) % BellFrameCount;
    InvalidateRect(Handle(), nullptr, FALSE);
    return;
  }
  KillTimer(Handle(), AnimeTimer);
  Message = "起動しました！";
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
  Keypad = MakeKeypad({Settings, Handle(),
                       [this] { return CreateRevolver(Settings, Manager.get(), Output, Clock); }});
  ShowKeypad();
  ShowWindow(Handle(), SW_HIDE);
}

void TMainForm::ShowKeypad() {
  if (!Keypad) return;
  Keypad->Show();
  // Usable only while this program is the active one: no deactivation would
  // disable it again when another program already is (the start after a
  // message box, whose closing activated another program).
  Keypad->SetKeypadEnabled(ThisProgramIsActive());
  SetTimer(Handle(), ForeWndTimer, 500, nullptr);
  SetTimer(Handle(), SaveTimer, 5000, nullptr);
}

void TMainForm::BringKeypadToFront() {
  if (Keypad) BringToForeground(Keypad->Handle());
}

void TMainForm::OnActivateApp(bool active) {
  if (!Keypad) return;
  Keypad->SetKeypadEnabled(active);
  SetWindowPos(Keypad->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // A dialog of the tray menu keeps the front while it is open.
  if (active && !DialogOpen) BringKeypadToFront();
}

void TMainForm::OnTrayMouse(LPARAM mouseMessage) {
  switch (Clicks.OnMouse(TrayMouseOf(mouseMessage), !Building && Keypad != nullptr, DialogOpen)) {
    case TTrayAction::ShowKeypad:
      if (!Keypad->IsShowing()) ShowKeypad();
      BringKeypadToFront();
      break;
    case TTrayAction::PopupMenu:
      PopupMenu();
      BringKeypadToFront();
      break;
    case TTrayAction::None:
      break;
  }
}

LRESULT TMainForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      TPaintDc paint(Handle());
      PaintSplash(paint.Get());
      return 0;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case BuildDoneMessage:
      OnBuildDone();
      return 0;
    case TTrayIcon::CallbackMessage:
      Quietly([&] { OnTrayMouse(lParam); });
      return 0;
    case WM_COMMAND:
      OnMenuCommand(LOWORD(wParam));
      return 0;
    case WM_ACTIVATEAPP:
      OnActivateApp(wParam != FALSE);
      return 0;
    case WM_ENDSESSION:
      if (wParam) Exit();
      return 0;
    case WM_CLOSE:
      Exit();
      return 0;
    case WM_DESTROY:
      Tray.Remove();
      SetDictionaryManager(nullptr);
      Manager.reset();
      PostQuitMessage(0);
      return 0;
  }
  if (message == TTrayIcon::TaskbarCreatedMessage() && message != 0) {
    Tray.Readd();
    return 0;
  }
  return DefaultMessage(message, wParam, lParam);
}
